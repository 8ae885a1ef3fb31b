#include <gtest/gtest.h>

#include <memory>

#include "Framework.h"

namespace {

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
public:
    int m_radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CSquare : public CShape
{
    DECLARE_SERIAL(CSquare)
};
IMPLEMENT_SERIAL(CSquare, CShape, 1)

} // namespace

TEST(RuntimeClass, CreatesRegisteredClassesByName)
{
    CRuntimeClass* circleClass = CRuntimeClass::FromName("CCircle");
    ASSERT_EQ(circleClass, RUNTIME_CLASS(CCircle));
    EXPECT_EQ(CRuntimeClass::FromName(L"CCircle"), circleClass);

    std::unique_ptr<CObject> object(CRuntimeClass::CreateObject(L"CCircle"));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), RUNTIME_CLASS(CCircle));
    EXPECT_EQ(static_cast<CCircle*>(object.get())->m_radius, 7);
    EXPECT_STREQ(circleClass->m_lpszClassName, "CCircle");
    EXPECT_EQ(circleClass->m_nObjectSize, static_cast<int>(sizeof(CCircle)));

    // Dynamic but not creatable, and unknown names.
    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)), nullptr);
}

TEST(RuntimeClass, FrameworkClassesAreRegistered)
{
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("CFileException"), RUNTIME_CLASS(CFileException));
    std::unique_ptr<CObject> list(CRuntimeClass::CreateObject("CStringList"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->IsKindOf(RUNTIME_CLASS(CStringList)));
}

TEST(RuntimeClass, IsKindOfFollowsTheHierarchy)
{
    CCircle circle;
    CSquare square;
    struct Case
    {
        const CObject* object;
        CRuntimeClass* cls;
        BOOL expected;
    } cases[] = {
        {&circle, RUNTIME_CLASS(CCircle), TRUE},  {&circle, RUNTIME_CLASS(CShape), TRUE},
        {&circle, RUNTIME_CLASS(CObject), TRUE},  {&circle, RUNTIME_CLASS(CSquare), FALSE},
        {&square, RUNTIME_CLASS(CShape), TRUE},   {&square, RUNTIME_CLASS(CCircle), FALSE},
        {&square, RUNTIME_CLASS(CFile), FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.object->IsKindOf(c.cls), c.expected) << c.object->GetRuntimeClass()->m_lpszClassName << " / "
                                                         << c.cls->m_lpszClassName;

    CObject* asObject = &circle;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, asObject), &circle);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CSquare, asObject), nullptr);
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_TRUE(square.IsSerializable());
    EXPECT_EQ(RUNTIME_CLASS(CSquare)->m_wSchema, 1u);
}
