#pragma once
// Keeps a reference-counted command target alive across a call that may
// release it elsewhere (a handler that closes a bar or removes a control).
#include "CCmdTarget.h"

class CCmdTargetHold {
public:
    explicit CCmdTargetHold(CCmdTarget* pTarget) : m_pTarget(pTarget)
    {
        if (m_pTarget)
            m_pTarget->InternalAddRef();
    }
    ~CCmdTargetHold()
    {
        if (m_pTarget)
            m_pTarget->InternalRelease();
    }
    CCmdTargetHold(const CCmdTargetHold&) = delete;
    CCmdTargetHold& operator=(const CCmdTargetHold&) = delete;

private:
    CCmdTarget* m_pTarget;
};
