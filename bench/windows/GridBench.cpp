// The main window's two heavy paths against a floor that does only the unavoidable work:
// - a full repaint of a 10001-code grid on a 1920x1080 image through drawGraph, against
//   replaying the primitives that drawing made straight onto a QPainter;
// - loading a 10001-line code file through openTextFile, against a plain loop that reads
//   the same lines and applies the same white-space removal and code test.
#include "App.h"
#include "AppObject.h"
#include "CodeList.h"
#include "DialogSeam.h"
#include "EventScope.h"
#include "FileTypes.h"
#include "FolderItem.h"
#include "Glycan.h"
#include "Graphics.h"
#include "MenuBar1.h"
#include "QPainterGraphics.h"
#include "RegExEntrypoints.h"
#include "Runtime.h"
#include "Startup.h"
#include "TextInputStream.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <numbers>
#include <variant>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int imageWidth = 1920;
constexpr int imageHeight = 1080;

// Codes of every shape the drawing knows: fucose, bisect, each antenna type, extra mannoses.
const QString sampleCodes[] = {u"3100202"_s, u"3011111"_s, u"3000333"_s, u"4000200"_s,
                               u"5000022"_s, u"9000000"_s, u"3000660"_s, u"3111456"_s,
                               u"6000123"_s, u"3100000"_s, u"3010404"_s, u"7000011"_s};

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

/// Start-up as the program does it, then the main window, sized to the image.
class Window1& MainWindow()
{
    static class Window1* window = [] {
        Glycan::InitializeState();
        BindRegExEntrypoints();
        codes::FileTypes::Initialize();
        NewAppInstance();
        // No library in this Preferences folder, and the Open dialog is cancelled.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder().path()));
        fw::DialogSeam::openFile = [](const QString&) { return std::optional<QString>(); };
        fw::DialogSeam::message = [](const QString&, const QString&) {};
        class Window1& w = Window1();
        w.ApplyProperties({{u"MinWidth"_s, imageWidth},
                           {u"MinHeight"_s, imageHeight},
                           {u"MaxWidth"_s, imageWidth},
                           {u"MaxHeight"_s, imageHeight}});
        QCoreApplication::processEvents();
        if (w.Width() != imageWidth || w.Height() != imageHeight) {
            qFatal("main window is %dx%d", w.Width(), w.Height());
        }
        return &w;
    }();
    return *window;
}

void FillCodeList(class Window1& w)
{
    for (std::size_t i = 0; i < w.G.size(); ++i) {
        w.G[i] = sampleCodes[i % std::size(sampleCodes)];
    }
    w.T = static_cast<std::int32_t>(w.G.size());
}

// --- Recording the primitives and replaying them on a bare QPainter -----------------------

struct Stroke {
    QColor color;
    int width;
};
struct Line {
    Stroke pen;
    QLineF line;
};
struct Frame {
    Stroke pen;
    QRectF rect;
};
struct Fill {
    QColor color;
    QPolygonF polygon;
};
struct Outline {
    Stroke pen;
    QPolygonF polygon;
};
struct Object {
    Shape shape;
    QPointF centre;
};
struct Text {
    QColor color;
    double pixelSize;
    QPointF origin;
    QString text;
};
using Primitive = std::variant<Line, Frame, Fill, Outline, Object, Text>;

QColor toQColor(Color c) { return QColor(c.Red(), c.Green(), c.Blue()); }

/// Keeps what each call draws, in the units the painter takes.
class PrimitiveRecorder : public Graphics {
  public:
    std::vector<Primitive> primitives;

    void ForeColor(Color c) override { color_ = toQColor(c); }
    void PenWidth(std::int32_t width) override { width_ = std::max(width, 1); }
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override
    {
        const double o = offset();
        primitives.emplace_back(Line{pen(), QLineF(x1 + o, y1 + o, x2 + o, y2 + o)});
    }
    void DrawRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override
    {
        primitives.emplace_back(
            Frame{pen(), QRectF(x + width_ / 2.0, y + width_ / 2.0, w - width_, h - width_)});
    }
    void FillPolygon(const std::vector<std::int32_t>& points) override
    {
        primitives.emplace_back(Fill{color_, polygon(points)});
    }
    void DrawPolygon(const std::vector<std::int32_t>& points) override
    {
        primitives.emplace_back(Outline{pen(), polygon(points)});
    }
    void DrawObject(const Shape& shape, std::int32_t x, std::int32_t y) override
    {
        primitives.emplace_back(Object{shape, QPointF(x + 0.5, y + 0.5)});
    }
    void DrawString(const std::string& text, std::int32_t x, std::int32_t y, std::int32_t,
                    bool) override
    {
        primitives.emplace_back(
            Text{color_, pixelSize_, QPointF(x, y), QString::fromStdString(text)});
    }
    double StringWidth(const std::string&) override { return 0.0; }
    std::int32_t TextHeight() override { return 0; }
    void TextFont(const std::string&) override {}
    void TextSize(float size) override { pixelSize_ = size; }
    void Bold(bool) override {}
    void Italic(bool) override {}

  private:
    Stroke pen() const { return {color_, width_}; }
    double offset() const { return width_ % 2 == 1 ? 0.5 : 0.0; }
    QPolygonF polygon(const std::vector<std::int32_t>& points) const
    {
        QPolygonF result;
        for (std::size_t i = 1; i + 1 < points.size(); i += 2) {
            result << QPointF(points[i] + offset(), points[i + 1] + offset());
        }
        return result;
    }

    QColor color_{0, 0, 0};
    int width_ = 1;
    double pixelSize_ = 12.0;
};

/// Draws the recorded primitives with the painter calls the surface would make.
class Replayer {
  public:
    explicit Replayer(QPainter& painter) : p_(painter) {}

    void operator()(const Line& l)
    {
        p_.setPen(QPen(l.pen.color, l.pen.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p_.drawLine(l.line);
    }
    void operator()(const Frame& f)
    {
        p_.setPen(QPen(f.pen.color, f.pen.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(f.rect);
    }
    void operator()(const Fill& f)
    {
        p_.setPen(Qt::NoPen);
        p_.setBrush(f.color);
        p_.drawPolygon(f.polygon, Qt::WindingFill);
    }
    void operator()(const Outline& o)
    {
        p_.setPen(QPen(o.pen.color, o.pen.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolygon(o.polygon);
    }
    void operator()(const Object& o)
    {
        const Shape& s = o.shape;
        const QRectF box(o.centre.x() - s.Width / 2.0, o.centre.y() - s.Height / 2.0, s.Width,
                         s.Height);
        const bool border = s.Border > 0.0 && s.BorderWidth > 0.0;
        QColor borderColor = toQColor(s.BorderColor);
        borderColor.setAlphaF(static_cast<float>(std::min(s.Border, 100.0) / 100.0));
        p_.setPen(border ? QPen(borderColor, s.BorderWidth) : QPen(Qt::NoPen));
        p_.setBrush(toQColor(s.FillColor));
        if (s.Rotation != 0.0) {
            p_.save();
            p_.translate(o.centre);
            p_.rotate(s.Rotation * 180.0 / std::numbers::pi);
            p_.translate(-o.centre);
        }
        if (s.kind == ShapeKind::Oval) {
            p_.drawEllipse(box);
        } else {
            p_.drawRect(box);
        }
        if (s.Rotation != 0.0) {
            p_.restore();
        }
    }
    void operator()(const Text& t)
    {
        auto font = fonts_.find(t.pixelSize);
        if (font == fonts_.end()) {
            QFont f;
            f.setPointSizeF(t.pixelSize * 72.0 / p_.device()->logicalDpiY());
            f.setHintingPreference(QFont::PreferVerticalHinting);
            font = fonts_.emplace(t.pixelSize, f).first;
        }
        p_.setFont(font->second);
        p_.setPen(t.color);
        p_.drawText(t.origin, t.text);
    }

  private:
    QPainter& p_;
    std::map<double, QFont> fonts_;
};

QImage BlankImage()
{
    QImage image(imageWidth, imageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void DrawGraph(benchmark::State& state)
{
    class Window1& w = MainWindow();
    FillCodeList(w);
    QImage image = BlankImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        fw::PaintScope painting; // as in the Paint event: no yields
        fw::QPainterGraphics g(painter);
        w.drawGraph(g);
    }
}

void ReplayPrimitives(benchmark::State& state)
{
    class Window1& w = MainWindow();
    FillCodeList(w);
    PrimitiveRecorder recorder;
    {
        fw::PaintScope painting;
        w.drawGraph(recorder);
    }
    QImage image = BlankImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        Replayer replay(painter);
        for (const Primitive& primitive : recorder.primitives) {
            std::visit(replay, primitive);
        }
    }
    state.counters["primitives"] = static_cast<double>(recorder.primitives.size());
}

// --- Loading a full code file --------------------------------------------------------------

QString FullCodeFile()
{
    static const QString path = [] {
        QByteArray bytes;
        for (qsizetype i = 0; i < codes::CodeListCapacity; ++i) {
            bytes += sampleCodes[i % std::size(sampleCodes)].toLatin1();
            bytes += i % 5 == 0 ? " \n" : "\n";
        }
        const QString name = folder().filePath(u"codes.txt"_s);
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(name));
        }
        return name;
    }();
    return path;
}

void OpenTextFile(benchmark::State& state)
{
    class Window1& w = MainWindow();
    const auto file = fw::FolderItem::FromPath(FullCodeFile());
    for (auto _ : state) {
        w.openTextFile(file);
        // The repaint the load asks for is not part of the load.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void PlainLoop(benchmark::State& state)
{
    const auto file = fw::FolderItem::FromPath(FullCodeFile());
    const QRegularExpression whiteSpace(u"\\s"_s, QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpression code(u"^[3-9][01][01][0-6][0-6][0-6][0-6][0-9]?[0-9]?"_s,
                                  QRegularExpression::UseUnicodePropertiesOption);
    for (auto _ : state) {
        QStringList codes;
        const auto stream = file->OpenAsTextFile();
        do {
            QString line = stream->ReadLine();
            line.remove(whiteSpace);
            if (line.isEmpty() || code.match(line).hasMatch()) {
                codes.append(line);
            }
        } while (!stream->Eof());
        benchmark::DoNotOptimize(codes.size());
    }
}

/// A surface that draws nothing.
class NullGraphics : public Graphics {
  public:
    void ForeColor(Color) override {}
    void PenWidth(std::int32_t) override {}
    void DrawLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void DrawRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void FillPolygon(const std::vector<std::int32_t>&) override {}
    void DrawPolygon(const std::vector<std::int32_t>&) override {}
    void DrawObject(const Shape&, std::int32_t, std::int32_t) override {}
    void DrawString(const std::string&, std::int32_t, std::int32_t, std::int32_t, bool) override {}
    double StringWidth(const std::string&) override { return 0.0; }
    std::int32_t TextHeight() override { return 0; }
    void TextFont(const std::string&) override {}
    void TextSize(float) override {}
    void Bold(bool) override {}
    void Italic(bool) override {}
};

/// drawGraph on a surface that draws nothing: the layout, the structures' geometry and the
/// per-cell work, without any painting.
void DrawGraphWithoutPainting(benchmark::State& state)
{
    class Window1& w = MainWindow();
    FillCodeList(w);
    NullGraphics g;
    for (auto _ : state) {
        fw::PaintScope painting;
        w.drawGraph(g);
    }
}

BENCHMARK(DrawGraph)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplayPrimitives)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawGraphWithoutPainting)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenTextFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainLoop)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fw::RuntimeInit(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fw::WindowRegistry::DestroyAll();
    fw::RegisterAppObject(nullptr);
    ReleaseMenuBar1();
    codes::FileTypes::Release();
    return fw::RuntimeExit();
}
