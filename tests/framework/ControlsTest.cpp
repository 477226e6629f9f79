#include "FrameworkCoreSupport.h"
#include "Keyboard.h"
#include "Listbox.h"
#include "ListboxModel.h"
#include "RadioButton.h"
#include "StaticText.h"
#include "Window.h"
#include "WindowAccessor.h"

#include <QApplication>
#include <QListView>
#include <QRadioButton>
#include <QTest>

namespace {

// A list as the code window has it: Command-click clears the selection.
class ListWindow : public fw::Window {
  public:
    int changes = 0;
    QStringList changeTexts;
    int cellClicks = 0;

    fw::Listbox& List() const { return Control<fw::Listbox>("ListBox1"); }

  protected:
    void Layout() override
    {
        ApplyProperties({{"Width", 146}, {"Height", 540}, {"Visible", true}});
    }
    void CreateControls() override
    {
        auto& list = AddControl<fw::Listbox>("ListBox1");
        list.ApplyProperties({{"Left", 0},
                              {"Top", 0},
                              {"Width", 126},
                              {"Height", 520},
                              {"TextFont", "System"},
                              {"ScrollBarVertical", true},
                              {"NoSuchProperty", 3}});
        list.Change = [this] {
            ++changes;
            changeTexts.append(List().Text());
        };
        list.CellClick = [this](int, int, int, int) {
            ++cellClicks;
            if (!fw::Keyboard::OSKey()) {
                return false;
            }
            List().Selected(List().ListIndex(), false);
            List().ListIndex(-1);
            fw::ClearFocus();
            return true;
        };
    }
};

class RadioWindow : public fw::Window {
  public:
    QStringList actions;

  protected:
    void CreateControls() override
    {
        auto& label = AddControl<fw::StaticText>("StaticText1");
        label.ApplyProperties({{"Text", "Select sugar symbol set:"}, {"TabIndex", 0}});
        const char* names[] = {"RadioButton1", "RadioButton2", "RadioButton3"};
        const int tops[] = {42, 87, 64};
        for (int i = 0; i < 3; ++i) {
            auto& radio = AddControl<fw::RadioButton>(names[i]);
            radio.ApplyProperties({{"Caption", QString("Set %1").arg(i + 1)},
                                   {"Left", 34},
                                   {"Top", tops[i]},
                                   {"Width", 200},
                                   {"Height", 20},
                                   {"TextFont", "Arial"},
                                   {"TextSize", 12},
                                   {"TabIndex", 3 - i},
                                   {"Value", false}});
            const QString name = names[i];
            radio.Action = [this, name] { actions.append(name); };
        }
        ApplyProperties({{"Width", 319}, {"Height", 127}, {"Visible", true}});
    }
};

/// Counts the row insertions a model announces while it lives.
struct InsertionCount {
    explicit InsertionCount(const QAbstractItemModel* model)
    {
        QObject::connect(model, &QAbstractItemModel::rowsInserted, &context, [this] { ++count; });
    }
    int count = 0;
    QObject context; // ends the connection with the counter
};

class ListboxTest : public FrameworkTest {
  protected:
    QListView* view(ListWindow& w) { return w.ContentWidget()->findChild<QListView*>("ListBox1"); }

    /// Clicks a row as a person would: once the rows added so far are shown.
    void click(ListWindow& w, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QCoreApplication::processEvents();
        QListView* v = view(w);
        const QRect cell = v->visualRect(v->model()->index(row, 0));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
};

TEST_F(ListboxTest, RowsTextAndSelection)
{
    auto& w = fw::Instance<ListWindow>();
    fw::Listbox& list = w.List();
    EXPECT_EQ(list.Widget()->geometry(), QRect(0, 0, 126, 520));
    list.AddRow("3000000");
    list.AddRow("");
    list.AddRow("900000000");
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.Row(2), "900000000");
    EXPECT_THROW(list.Row(3), fw::OutOfBoundsException);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.Text(), "");

    list.ListIndex(2);
    EXPECT_EQ(list.Text(), "900000000");
    EXPECT_TRUE(list.Selected(2));
    list.Selected(-1, false); // does nothing
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_THROW(list.ListIndex(3), fw::OutOfBoundsException);
}

TEST_F(ListboxTest, ChangeFollowsEverySelectionChangeIncludingDeleteAllRows)
{
    auto& w = fw::Instance<ListWindow>();
    fw::Listbox& list = w.List();
    list.AddRow("3000000");
    list.AddRow("4000000");
    click(w, 1);
    EXPECT_EQ(w.changeTexts, QStringList({"4000000"}));
    click(w, 1); // same row again: no change
    list.ListIndex(0);
    EXPECT_EQ(w.changeTexts, QStringList({"4000000", "3000000"}));
    list.DeleteAllRows();
    EXPECT_EQ(w.changeTexts, QStringList({"4000000", "3000000", ""}));
    EXPECT_EQ(list.ListIndex(), -1);
    list.DeleteAllRows(); // nothing selected: no Change
    EXPECT_EQ(w.changes, 3);
}

TEST_F(ListboxTest, CommandClickIsConsumedByCellClickAndClearsTheSelection)
{
    auto& w = fw::Instance<ListWindow>();
    fw::Listbox& list = w.List();
    list.AddRow("3000000");
    list.AddRow("4000000");
    click(w, 0);
    ASSERT_EQ(list.ListIndex(), 0);
    view(w)->setFocus();

    click(w, 1, Qt::ControlModifier);
    EXPECT_EQ(w.cellClicks, 2);
    EXPECT_EQ(list.ListIndex(), -1); // the clicked row was not selected
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(w.changeTexts, QStringList({"3000000", ""}));

    // With nothing selected a Command-click deselects row -1: nothing happens.
    click(w, 0, Qt::ControlModifier);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(w.changes, 2);
}

TEST_F(ListboxTest, AFullCodeListReachesTheViewOnceAndAHugeRowIsShownShortened)
{
    auto& w = fw::Instance<ListWindow>();
    fw::Listbox& list = w.List();
    QAbstractItemModel* model = view(w)->model();
    const InsertionCount insertions(model);
    for (int i = 0; i < 10001; ++i) {
        list.AddRow(QString::number(3000000 + i));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(insertions.count, 1);
    EXPECT_EQ(list.RowCount(), 10001);
    EXPECT_EQ(model->rowCount(), 10001);

    // Rows keep their full text; the view gets a bounded beginning of it, so laying out and
    // painting a huge row costs no more than a short one.
    constexpr qsizetype limit = fw::detail::ListboxModel::DisplayLimit;
    const QString huge(1'000'000, QLatin1Char('5'));
    list.AddRow(huge);
    list.ListIndex(10001);
    w.ContentWidget()->grab();
    EXPECT_EQ(list.Text(), huge);
    EXPECT_EQ(list.Row(10001), huge);
    EXPECT_EQ(model->index(10001, 0).data().toString(), huge.left(limit) + QChar(0x2026));

    // The cut does not split a character outside the Basic Multilingual Plane.
    const QString fivesThenEmoji =
        QString(limit - 1, QLatin1Char('5')) + QStringLiteral("\U0001F600");
    list.AddRow(fivesThenEmoji + huge);
    QCoreApplication::processEvents(); // the row reaches the view
    EXPECT_EQ(model->index(10002, 0).data().toString(), huge.left(limit - 1) + QChar(0x2026));
    EXPECT_EQ(model->index(10000, 0).data().toString(), "3010000");
}

TEST_F(ListboxTest, RowsAddedTogetherReachTheViewInOneInsertion)
{
    auto& w = fw::Instance<ListWindow>();
    fw::Listbox& list = w.List();
    QAbstractItemModel* model = view(w)->model();
    const InsertionCount insertions(model);
    for (int i = 0; i < 100; ++i) {
        list.AddRow(QString::number(3000000 + i));
    }
    EXPECT_EQ(list.RowCount(), 100);
    EXPECT_EQ(list.Row(99), "3000099");
    QCoreApplication::processEvents();
    EXPECT_EQ(insertions.count, 1);
    EXPECT_EQ(model->rowCount(), 100);

    // A row reaches the view at the next turn of the event loop, or at once when selected.
    list.AddRow("4000000");
    EXPECT_EQ(model->rowCount(), 100);
    click(w, 100);
    EXPECT_EQ(list.Text(), "4000000");
    list.AddRow("5000000");
    list.ListIndex(101);
    EXPECT_EQ(list.Text(), "5000000");
    EXPECT_EQ(insertions.count, 3);
}

TEST_F(FrameworkTest, RadioButtonsExcludeEachOtherAndActOnlyOnClicks)
{
    auto& w = fw::Instance<RadioWindow>();
    auto& r1 = w.Control<fw::RadioButton>("RadioButton1");
    auto& r2 = w.Control<fw::RadioButton>("RadioButton2");
    auto& r3 = w.Control<fw::RadioButton>("RadioButton3");
    EXPECT_EQ(r1.Caption(), "Set 1");
    EXPECT_FALSE(r1.Value() || r2.Value() || r3.Value());

    r1.Value(true);
    r2.Value(true);
    EXPECT_FALSE(r1.Value());
    EXPECT_TRUE(r2.Value());
    r2.Value(false); // turning the only one off works too
    EXPECT_FALSE(r2.Value());
    EXPECT_TRUE(w.actions.isEmpty());

    QTest::mouseClick(r3.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    EXPECT_TRUE(r3.Value());
    // Again: Action again, although the value stays.
    QTest::mouseClick(r3.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    EXPECT_EQ(w.actions, QStringList({"RadioButton3", "RadioButton3"}));
    EXPECT_THROW(w.Control<fw::Listbox>("RadioButton1"), fw::TypeMismatchException);
    EXPECT_THROW(w.Control<fw::RadioButton>("Nothing"), fw::NilObjectException);
}

TEST_F(FrameworkTest, TabIndexSetsTheFocusOrder)
{
    auto& w = fw::Instance<RadioWindow>();
    // Tab moves along the focus chain to the next widget that takes focus by Tab.
    auto next = [](QWidget* from) {
        QWidget* at = from->nextInFocusChain();
        while (at != from && !(at->focusPolicy() & Qt::TabFocus)) {
            at = at->nextInFocusChain();
        }
        return at;
    };
    // TabIndex 1, 2, 3 belong to RadioButton3, RadioButton2, RadioButton1.
    QWidget* r1 = w.Control("RadioButton1")->Widget();
    QWidget* r2 = w.Control("RadioButton2")->Widget();
    QWidget* r3 = w.Control("RadioButton3")->Widget();
    EXPECT_EQ(next(r3), r2);
    EXPECT_EQ(next(r2), r1);
    EXPECT_EQ(w.Control<fw::StaticText>("StaticText1").Text(), "Select sugar symbol set:");
    EXPECT_EQ(w.Control("radiobutton1")->Widget()->font().pixelSize(), 12);
}

} // namespace
