// The toolbar's own persisted switches, through the registry exchange.
#include <gtest/gtest.h>

#include "CXTPPropExchangeRegistry.h"
#include "RegistryScratch.h"
#include "TestToolBar.h"

TEST(ToolBarExchange, TheSwitchesTravelUnderTheirNames)
{
    testsupport::RegistryScratch scratch(L"Software\\OrbalinTests\\ToolBarExchange");
    ToolBarHolder stored;
    stored->SetBuiltIn(FALSE);
    stored->SetTearOff(TRUE);
    stored->SetCloseable(FALSE);
    stored->SetContextMenuPresent(FALSE);
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"Bar");
        stored->DoPropExchange(&px);
    }
    for (const wchar_t* name : {L"BuiltIn", L"TearOff", L"Closeable", L"ContextMenuPresent"})
        EXPECT_TRUE(scratch.Has(L"Bar", name)) << name;

    ToolBarHolder loaded;
    CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"Bar");
    loaded->DoPropExchange(&px);
    EXPECT_FALSE(loaded->IsBuiltIn());
    EXPECT_TRUE(loaded->IsTearOff());
    EXPECT_FALSE(loaded->IsCloseable());
    EXPECT_FALSE(loaded->IsContextMenuPresent());
}
