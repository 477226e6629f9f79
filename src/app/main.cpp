#include "Glycan.h"
#include "QPainterGraphics.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <array>
#include <string>

namespace {

/// Sample structures in the three symbol sets, one set per column, sized to the window.
class SampleWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override
    {
        static const std::array<std::string, 7> codes{"3100202", "3011111", "3000333", "4000200",
                                                      "5000022", "9000000", "3000660"};
        static const std::array<std::int32_t, 3> sets{
            Glycan::SymbolSetCFG, Glycan::SymbolSetCFGGreyscale, Glycan::SymbolSetUOXF};
        const int cellW = width() / static_cast<int>(sets.size());
        const int cellH = height() / static_cast<int>(codes.size());
        const double scale = std::min(cellW / 34.0, cellH / 16.0);

        QPainter painter(this);
        fw::QPainterGraphics g(painter);
        g.TextSize(static_cast<float>(2.0 * scale));
        for (std::size_t column = 0; column < sets.size(); ++column) {
            Glycan::symbolSet = sets[column];
            for (std::size_t row = 0; row < codes.size(); ++row) {
                for (std::size_t k = 0; k < 9; ++k) {
                    Glycan::GlyCode[k] = k < codes[row].size() ? codes[row][k] - '0' : 0;
                }
                const int right = static_cast<int>(column + 1) * cellW;
                Glycan::BuildStructure(&g, static_cast<int>(right - 7.5 * scale),
                                       static_cast<int>((row + 0.5) * cellH - scale), scale);
                g.ForeColor(RGB(0, 0, 0));
                g.DrawString(codes[row], static_cast<int>(right - cellW / 1.5),
                             static_cast<int>((row + 0.95) * cellH));
            }
        }
    }
};

} // namespace

int main(int argc, char* argv[])
{
    Glycan::InitializeState();
    QApplication application(argc, argv);
    SampleWindow window;
    window.setObjectName("Window1");
    window.setWindowTitle("Tamberlo");
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(816, 896);
    window.show();
    return application.exec();
}
