#include "FileType.h"
#include "DialogSeam.h"
#include "FolderItem.h"
#include "FrameworkTestSupport.h"
#include "GetOpenFolderItem.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<fw::FileType> TextType(const QString& extensions)
{
    auto type = std::make_unique<fw::FileType>();
    type->SetName("text/plain");
    type->SetMacType("TEXT");
    type->SetExtensions(extensions);
    return type;
}

TEST(FileType, ExtensionsWithOrWithoutPointsMakeTheFilter)
{
    const auto type = TextType(".asc; txt;.txt;;.c");
    EXPECT_EQ(type->ExtensionList(), QStringList({"asc", "txt", "c"}));
    EXPECT_EQ(type->NameFilter(), "text/plain (*.asc *.txt *.c)");
    EXPECT_EQ(TextType("")->NameFilter(), "text/plain (*)");
}

TEST(FileType, TheMostRecentLiveRegistrationUnderANameCounts)
{
    EXPECT_EQ(fw::FileType::Registered("text/plain"), nullptr);
    const auto program = TextType(".asc;.txt");
    EXPECT_EQ(QString(*program), "text/plain");
    EXPECT_TRUE(program->IsRegistered());
    {
        const auto dialog = TextType("txt");
        dialog->Register();
        EXPECT_EQ(fw::FileType::Registered("text/plain"), dialog.get());
        // Registering again changes nothing; setting a field withdraws the registration.
        program->Register();
        EXPECT_EQ(fw::FileType::Registered("text/plain"), dialog.get());
        dialog->SetMacCreator("????");
        EXPECT_FALSE(dialog->IsRegistered());
        EXPECT_EQ(fw::FileType::Registered("text/plain"), program.get());
        dialog->Register();
        EXPECT_EQ(fw::FileType::Registered("text/plain"), dialog.get());
    }
    // Destruction withdraws.
    EXPECT_EQ(fw::FileType::Registered("text/plain"), program.get());
    program->SetName("text/other");
    EXPECT_EQ(fw::FileType::Registered("text/plain"), nullptr);
}

class OpenDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void TearDown() override { fw::DialogSeam::reset(); }
};

TEST_F(OpenDialogTest, FiltersByTheRegisteredTypeAndReturnsTheChoice)
{
    const auto type = TextType("txt");
    type->Register();
    QString shownFilter;
    fw::DialogSeam::openFile = [&shownFilter](const QString& filter) -> std::optional<QString> {
        shownFilter = filter;
        return QString("/tmp/codes.txt");
    };
    const auto item = fw::GetOpenFolderItem("text/plain");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Path(), "/tmp/codes.txt");
    EXPECT_EQ(shownFilter, "text/plain (*.txt);;All files (*)");

    fw::GetOpenFolderItem("image/png");
    EXPECT_EQ(shownFilter, "All files (*)");
}

TEST_F(OpenDialogTest, CancelGivesNoItem)
{
    fw::DialogSeam::openFile = [](const QString&) -> std::optional<QString> { return {}; };
    EXPECT_EQ(fw::GetOpenFolderItem("text/plain"), nullptr);
}

} // namespace
