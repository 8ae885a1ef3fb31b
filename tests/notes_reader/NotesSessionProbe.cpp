// Starts a Notes reader against the lnapi.dll beside it: exit code 0 when the
// session started, 3 when it failed with the reader's start-up text, 4 otherwise.
#include "CNotesReader.h"

int main() {
    CNotesReader reader;
    if (reader.Init()) return 0;
    return reader.GetLastError() == L"Unable to initlise lotus notes" ? 3 : 4;
}
