#include <gtest/gtest.h>

#include "Framework.h"
#include "CCmdTarget.h"

namespace {

class CCountedTarget : public CCmdTarget {
public:
    explicit CCountedTarget(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCountedTarget() override { *m_pDeleted = true; }

private:
    bool* m_pDeleted;
};

} // namespace

TEST(CmdTargetRefCount, LastReleaseDeletesTheObject)
{
    bool deleted = false;
    auto* pTarget = new CCountedTarget(&deleted);
    EXPECT_EQ(pTarget->InternalAddRef(), 2u);
    EXPECT_EQ(pTarget->ExternalAddRef(), 3u);
    EXPECT_EQ(pTarget->ExternalRelease(), 2u);
    EXPECT_EQ(pTarget->InternalRelease(), 1u);
    EXPECT_FALSE(deleted);
    EXPECT_EQ(pTarget->InternalRelease(), 0u);
    EXPECT_TRUE(deleted);
}
