#pragma once
// The global paint manager of the command bars; the plain bars draw natively
// and keep only the theme number.
class CXTPPaintManager {
public:
    static CXTPPaintManager* GetGlobal() { return s_pGlobal; }
    static void SetTheme(int nTheme);
    static void Done();
    int GetTheme() const { return m_nTheme; }
    int* GetOptionRecord() { return &m_nOptions; }

private:
    explicit CXTPPaintManager(int nTheme) : m_nTheme(nTheme) {}
    static CXTPPaintManager* s_pGlobal;
    int m_nTheme;
    int m_nOptions = 0;
};
