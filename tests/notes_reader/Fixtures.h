#pragma once
// Fixture databases of the reader tests, in the stand-in's text format.
#include <string>

// Folders of every kind the scan tells apart, in this order.
inline const std::string kScanFixture = R"(notesdb 1
title "Scan fixture"
folder ($Inbox) calendar
entries 10
folder ($Meetings)
entries 10 20
folder "Team Meetings"
entries 10
folder ($ToDo)
entries 30
folder "Projects\\By Category"
entries 10 30
folder ($Calendar) calendar
folder "Cannot open" calendar
fail open 0x0111
entries 10
folder "By Diary Date"
entries 40
folder ($All)
entries 10 20 30 40

note 10
item Subject text "Planning"
item Location text "Room 1"
note 20
item Subject text "A contact with a location"
item MiddleInitial text "Q"
item Location text "Home"
note 30
item Subject text "A task"
item DueDate datetime 2026-03-01
note 40
item Subject text "A journal entry"
item DiaryDate datetime 2026-03-02
)";

// Calendar entries for the preview: a full one, one without a location, readers that fail.
inline const std::string kPreviewFixture = R"(notesdb 1
title "Preview fixture"
folder ($Calendar) calendar
entries 1 2 3 4 5 6
folder "Only one" calendar
entries 1
folder "Tasks only"
entries 2

note 1
item Subject text <<END
Quarterly
review
END
item From text "CN=Anna Muller/O=Acme"
item SendTo textlist "CN=Bob Smith/OU=Sales/O=Acme" "carol@example.com"
item Location text "Room\t7"
item STARTDATETIME datetime 2026-03-15T09:30:00+01:00
item EndDateTime datetimelist 2026-03-15T10:30:00+01:00 2026-03-16
attachment "agenda.txt" text "12345"
attachment "broken.bin" hex "00 01 02"
fail read 0x0228
attachment "plan.pdf" hex "00 01 02 03"
note 2
item Subject text "Task without a location"
item DueDate datetime 2026-03-20
note 3
fail open 0x0222
item Subject text "Cannot be opened"
item Location text "Nowhere"
note 4
fail lookup 0x0223
item Subject text "Cannot be found"
item Location text "Nowhere"
note 5
item Subject text "Unreadable subject"
fail read 0x0224
item Location text "Room 2"
item STARTDATETIME datetime 2026-01-12T09:00:00
fail text 0x0225
note 6
item Subject text "Minimal"
item Location text ""
)";
