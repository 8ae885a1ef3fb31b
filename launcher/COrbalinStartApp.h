#pragma once
#include "Framework.h"

// The launcher's application object: runs the start dialog, which does the
// whole work and ends the process.
class COrbalinStartApp : public CWinApp {
public:
    COrbalinStartApp() = default;

    BOOL InitInstance() override;
};
