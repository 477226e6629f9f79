#include "FrameworkCoreSupport.h"
#include "FrameworkTestSupport.h"
#include "Listbox.h"
#include "Window.h"
#include "WindowAccessor.h"

#include <QAbstractItemModelTester>
#include <QListView>

namespace {

class ListWindow : public fw::Window {
  public:
    fw::Listbox& List() const { return Control<fw::Listbox>("ListBox1"); }

  protected:
    void Layout() override
    {
        ApplyProperties({{"Width", 146}, {"Height", 300}, {"Visible", true}});
    }
    void CreateControls() override
    {
        AddControl<fw::Listbox>("ListBox1")
            .ApplyProperties({{"Left", 0}, {"Top", 0}, {"Width", 126}, {"Height", 280}});
    }
};

using ListboxModel = FrameworkTest;

// Qt's model tester watches every signal of the list's model and checks the model after each
// against the rules views rely on; it reports a broken rule as a warning.
TEST_F(ListboxModel, KeepsTheRulesOfAModelThroughAddsDeletesAndSelection)
{
    auto& w = fw::Instance<ListWindow>();
    fw::Listbox& list = w.List();
    auto* view = qobject_cast<QListView*>(list.Widget());
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    int insertions = 0;
    const QObject counting; // ends the connection with the test
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &counting,
                     [&insertions] { ++insertions; });

    const QStringList warnings = QtWarningsDuring([&] {
        const QAbstractItemModelTester tester(
            model, QAbstractItemModelTester::FailureReportingMode::Warning);

        for (int i = 0; i < 3; ++i) {
            list.AddRow(QString::number(3000000 + i));
        }
        // Rows not yet announced are not in the model.
        EXPECT_EQ(model->rowCount(), 0);
        EXPECT_FALSE(model->index(0, 0).isValid());
        QCoreApplication::processEvents();
        EXPECT_EQ(model->rowCount(), 3);

        list.ListIndex(1);
        list.AddRow(QStringLiteral("4000000"));
        list.AddRow(QString(1000, QLatin1Char('5')));
        // Selecting a row added in this turn announces it first.
        list.ListIndex(3);
        EXPECT_EQ(model->rowCount(), 5);
        EXPECT_EQ(list.Text(), QStringLiteral("4000000"));
        list.Selected(3, false);
        list.Selected(4, true);
        EXPECT_EQ(list.ListIndex(), 4);
        EXPECT_EQ(model->index(4, 0).data().toString().size(), 301);

        list.DeleteAllRows();
        EXPECT_EQ(model->rowCount(), 0);
        EXPECT_EQ(list.ListIndex(), -1);
        // Rows deleted before their announcement never reach the model.
        list.AddRow(QStringLiteral("3100202"));
        list.DeleteAllRows();
        QCoreApplication::processEvents();
        EXPECT_EQ(model->rowCount(), 0);

        for (int i = 0; i < 10001; ++i) {
            list.AddRow(QString::number(3000000 + i));
        }
        QCoreApplication::processEvents();
        list.ListIndex(10000);
        list.ListIndex(-1);
        list.DeleteAllRows();
    });
    EXPECT_EQ(warnings, QStringList());
    // The first three rows, the two selected early, the 10001 of the long list.
    EXPECT_EQ(insertions, 3);
}

} // namespace
