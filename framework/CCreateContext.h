#pragma once
// What a frame needs to build its view: passed through window creation to
// the frame's and the view's OnCreate.
#include "CObject.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
