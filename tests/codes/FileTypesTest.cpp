#include "FileTypes.h"

#include "FileType.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using codes::FileTypes;

TEST(FileTypes, ProgramTypeIsRegisteredUntilReleased)
{
    FileTypes::Initialize();
    ASSERT_EQ(fw::FileType::Registered(u"text/plain"_s), FileTypes::pText.get());
    EXPECT_EQ(FileTypes::pText->ExtensionList().size(), 17);
    EXPECT_EQ(FileTypes::pText->MacCreator(), u"????"_s);

    FileTypes::Release();
    EXPECT_EQ(FileTypes::pText, nullptr);
    EXPECT_EQ(fw::FileType::Registered(u"text/plain"_s), nullptr);
}

// Registered by its conversion to a name, it is the type the Open dialog filters with.
TEST(FileTypes, OpenDialogType)
{
    const auto type = FileTypes::NewOpenDialogType();
    EXPECT_FALSE(type->IsRegistered());
    EXPECT_EQ(static_cast<QString>(*type), u"text/plain"_s);
    EXPECT_EQ(fw::FileType::Registered(u"text/plain"_s), type.get());
    EXPECT_EQ(type->NameFilter(), u"text/plain (*.txt)"_s);
    EXPECT_EQ(type->MacType(), u"TEXT"_s);
    EXPECT_EQ(type->MacCreator(), QString());
}
