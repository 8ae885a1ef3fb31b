#pragma once
// The host's frame: the site of its bars (it writes what they send it to the
// host log), the target of their commands (enabled and checked as the fixture
// says), and the end of the host channel: it answers the driver's requests.
#include "Framework.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

class HostBar;

class HostFrame : public CFrameWnd {
public:
    HostFrame() = default;
    ~HostFrame() override;

    BOOL CreateHost();
    const std::vector<HostBar*>& Bars() const { return m_bars; }
    HostBar* FindBar(const std::string& name) const;

    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    // Carries out one request of the driver; answers the reply.
    nlohmann::json Answer(const std::string& request);
    void PaintClient();

    std::vector<HostBar*> m_bars;
};
