#include "Glycan.h"
#include "Int32.h"
#include "Int32Sum.h"
#include "StructureLayout.h"

#include <string>

namespace Glycan {

namespace {

const std::string coreText = "Manβ1-4GlcNAcβ1-4GlcNAcβ1-Asn";
const std::string bisectText = "GlcNAcβ1-4";
const std::string fucoseText = "Fucα1";
const std::string armText = "Manα1";
const std::string oneMannose = "Manα1";
const std::string twoMannoses = "Manα1-2Manα1";

/// @brief Writes linkage texts on one surface and carries the current point between the
/// branch point and the arm mannoses.
///
/// Font metrics are read once: every position follows from the text widths and the line
/// height of the font set up for this drawing. Each move converts to whole pixels, so a
/// move back may land a pixel off where it started; later blocks start from that point.
class LinkageWriter {
  public:
    LinkageWriter(Graphics& g, double s, std::int32_t x, std::int32_t y)
        : cx(x), cy(y), g_(g), s_(s), th_(g.TextHeight())
    {
    }

    std::int32_t th() const { return th_; }
    double s() const { return s_; }
    double width(const std::string& text) const { return g_.StringWidth(text); }

    /// cy − 2 × TH and cy + 2 × TH, in Int32 arithmetic.
    std::int32_t twoLinesUp() const { return SubtractInt32(cy, AddInt32(th_, th_)); }
    std::int32_t twoLinesDown() const { return AddInt32(cy, AddInt32(th_, th_)); }

    void toUpperArm()
    {
        cx = Int32(cx - 2.0 * s_ - width(armText));
        cy = Int32(twoLinesUp() - 2.0 * s_ + s_ / 2.0);
    }
    void backFromUpperArm()
    {
        cx = Int32(cx + 2.0 * s_ + width(armText));
        cy = Int32(twoLinesDown() + 2.0 * s_ - s_ / 2.0);
    }
    void toLowerArm()
    {
        cx = Int32(cx - 2.0 * s_ - width(armText));
        cy = Int32(twoLinesDown() + 2.0 * s_ - s_ / 2.0);
    }
    void backFromLowerArm()
    {
        cx = Int32(cx + 2.0 * s_ + width(armText));
        cy = Int32(twoLinesUp() - 2.0 * s_ + s_ / 2.0);
    }

    void text(const std::string& t, std::int32_t x, std::int32_t line)
    {
        g_.DrawString(t, x, line, 0, false);
    }
    /// Draws @p t so that it ends at @p right.
    void rightAligned(const std::string& t, double right, std::int32_t line)
    {
        text(t, Int32(right - width(t)), line);
    }
    void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        g_.DrawLine(x1, y1, x2, y2);
    }

    /// Label above the arm text and @p t hung up and to the left of it.
    void hungAbove(const std::string& label, const std::string& t)
    {
        const double l = width(label);
        const std::int32_t oneLineUp = SubtractInt32(cy, th_);
        text(label, Int32(cx - l), Int32(cy - th_ / 2.0));
        line(Int32(cx - l), oneLineUp, Int32(cx - l - s_), Int32(oneLineUp - s_));
        text(t, Int32(cx - l - s_ - width(t)), Int32(oneLineUp - s_));
    }

    /// Label below the arm text and @p t hung down and to the left of it, on @p textLine.
    void hungBelow(const std::string& label, const std::string& t, std::int32_t textLine)
    {
        const double l = width(label);
        text(label, Int32(cx - l), Int32(cy + th_ / 2.0));
        line(Int32(cx - l), Int32(cy + th_ / 2.0), Int32(cx - l - s_), Int32(cy + th_ / 2.0 + s_));
        text(t, Int32(cx - l - s_ - width(t)), textLine);
    }
    /// The text line of an antenna hung below the upper arm.
    std::int32_t belowUpperArmLine() const { return Int32(AddInt32(cy, th_) + s_); }

    /// Label and @p t on the arm's own line, in front of its "Manα1".
    void inFront(const std::string& label, const std::string& t)
    {
        const double l = width(label);
        text(label, Int32(cx - l), cy);
        text(t, Int32(cx - l - width(t)), cy);
    }

    std::int32_t cx;
    std::int32_t cy;

  private:
    Graphics& g_;
    double s_;
    std::int32_t th_;
};

void drawCoreFucose(LinkageWriter& w, Color black, Graphics* g)
{
    const double offset = w.width("c-Asn");
    w.cx = Int32(w.cx - offset);
    w.rightAligned(fucoseText, w.cx, Int32(w.cy - 3.0 * w.s()));
    const std::int32_t xf = Int32(w.cx - w.s() / 2.0 + w.width("6") / 3.0);
    const std::int32_t top = Int32(w.cy - 3.0 * w.s() + w.th() / 6.0);
    // The symbol-mode line call is a no-op in text mode; the surface line is the one shown.
    DrawTo(g, xf, w.twoLinesUp(), xf, top, black);
    w.line(xf, w.twoLinesUp(), xf, top);
    w.rightAligned("6", w.cx, SubtractInt32(w.cy, w.th()));
    w.cx = Int32(w.cx + offset);
}

void drawArms(LinkageWriter& w)
{
    w.cx = Int32(w.cx - w.width(coreText));
    w.text("6", w.cx, SubtractInt32(w.cy, w.th()));
    w.text("3", w.cx, AddInt32(w.cy, w.th()));

    const double armX = w.cx - 2.0 * w.s();
    const std::int32_t upperLine = Int32(w.twoLinesUp() - 2.0 * w.s() + w.s() / 2.0);
    w.line(w.cx, Int32(w.twoLinesUp() + w.s() / 2.0), Int32(armX), upperLine);
    w.rightAligned(armText, armX, upperLine);

    const std::int32_t below = AddInt32(w.cy, w.th());
    w.line(w.cx, below, Int32(armX), Int32(below + 2.0 * w.s()));
    w.rightAligned(armText, armX, Int32(below + 2.0 * w.s() + w.s() / 2.0));
}

bool drawsAntenna(std::int32_t digit) { return digit > 0 && digit < 7; }

void drawAntennae(LinkageWriter& w, const StructureLayout& layout)
{
    const auto& antenna = layout.antennaText;
    const std::int32_t d3 = GlyCode[3];
    const std::int32_t d4 = GlyCode[4];
    const std::int32_t d5 = GlyCode[5];
    const std::int32_t d6 = GlyCode[6];

    // A lone antenna on the 6-position of the upper arm or the 4-position of the lower arm
    // is written in front of its label on the arm's own line, like a lone 2-position
    // antenna, so it reads as one chain into that arm's mannose. It is placed from a copy
    // of the current point, which the blocks after it start from unchanged.
    if (drawsAntenna(d3)) {
        if (d4 > 0) {
            w.toUpperArm();
            w.hungAbove("6", antenna[d3]);
            w.backFromUpperArm();
        } else {
            LinkageWriter arm = w;
            arm.toUpperArm();
            arm.inFront("6", antenna[d3] + "-");
        }
    }
    if (drawsAntenna(d4)) {
        w.toUpperArm();
        if (d3 > 0) {
            w.hungBelow("2", antenna[d4], w.belowUpperArmLine());
        } else {
            w.inFront("2", antenna[d4] + "-");
        }
        w.backFromUpperArm();
    }
    if (drawsAntenna(d5)) {
        if (d6 > 0) {
            w.toLowerArm();
            w.hungAbove("4", antenna[d5]);
            w.backFromLowerArm();
        } else {
            LinkageWriter arm = w;
            arm.toLowerArm();
            // The symbol-mode calls for a lone antenna draw nothing in text mode.
            const std::int32_t end = Int32(arm.cx - arm.s());
            DrawTo(layout.g, arm.cx, arm.cy, end, arm.cy, layout.grey);
            DrawBranch(layout.g, end, arm.cy, arm.s(), layout.grey, d5);
            arm.inFront("4", antenna[d5] + "-");
        }
    }
    if (drawsAntenna(d6)) {
        w.toLowerArm();
        if (d5 > 0) {
            w.hungBelow("2", antenna[d6], Int32(w.cy + w.th() / 2.0 + 3.0 * w.s() / 2.0));
        } else {
            w.inFront("2", antenna[d6] + "-");
        }
        w.backFromLowerArm();
    }
}

void drawExtraMannoses(LinkageWriter& w, std::int32_t mannoseCount)
{
    w.toUpperArm();
    w.hungAbove("6", mannoseCount >= 8 ? twoMannoses : oneMannose);
    w.backFromUpperArm();

    if (mannoseCount >= 5) {
        w.toUpperArm();
        w.hungBelow("2", mannoseCount >= 6 ? twoMannoses : oneMannose, w.belowUpperArmLine());
        w.backFromUpperArm();
    }
    if (mannoseCount >= 7) {
        w.toLowerArm();
        w.inFront("2", mannoseCount >= 9 ? twoMannoses + "-" : oneMannose + "-");
        w.backFromLowerArm();
    }
}

} // namespace

void DrawLinkageTexts(StructureLayout& layout)
{
    Graphics& g = *layout.g;
    g.Bold(false);
    g.Italic(false);
    g.TextFont("Arial");
    g.TextSize(static_cast<float>(layout.s));

    LinkageWriter w(g, layout.s, layout.cx, layout.cy);
    if (GlyCode[1] == 1) {
        drawCoreFucose(w, layout.black, layout.g);
    }
    w.rightAligned(coreText, w.cx, w.cy);
    if (GlyCode[2] == 1) {
        w.text(bisectText, Int32(w.cx - w.width(bisectText + coreText)), w.cy);
    }
    drawArms(w);

    const std::int32_t mannoseCount = GlyCode[0];
    if (mannoseCount <= 5) {
        drawAntennae(w, layout);
    }
    if (mannoseCount >= 4) {
        drawExtraMannoses(w, mannoseCount);
    }
}

} // namespace Glycan
