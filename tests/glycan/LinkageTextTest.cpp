#include "Glycan.h"
#include "RecordingGraphics.h"

#include <gtest/gtest.h>

#include <string>

// The recording surface's metrics make every position exact: a code point is 0.5 × size wide
// and a line is Int32(1.25 × size) high. Anchor (400, 200) throughout. Scale 15 gives size 10
// (code point 5, line 12, start point 380); scale 15.75 gives size 10.5 (5.25, 13, 379), where
// the conversions to whole pixels show.

namespace {

const std::string font = "PenWidth 1; Bold 0; Italic 0; TextFont Arial; ";
const std::string core = "Manβ1-4GlcNAcβ1-4GlcNAcβ1-Asn";

// Mannose count 3 at scale 15: branch point 235, upper arm point (190, 161), lower (190, 239).
const std::string plain = font + "TextSize 10; DrawString 235 200 " + core +
                          "; DrawString 235 188 6; DrawString 235 212 3; "
                          "DrawLine 235 181 215 161; DrawString 190 161 Manα1; "
                          "DrawLine 235 212 215 232; DrawString 190 237 Manα1";
// Scale 15.75: branch point 226, upper arm point (178, 158), lower (178, 241).
const std::string plainFine = font + "TextSize 10.5; DrawString 226 200 " + core +
                              "; DrawString 226 187 6; DrawString 226 213 3; "
                              "DrawLine 226 179 205 158; DrawString 178 158 Manα1; "
                              "DrawLine 226 213 205 234; DrawString 178 239 Manα1";

/// The recorded calls of one text-mode drawing, joined by "; ".
std::string trace(const std::string& code, double scale = 15.0)
{
    for (std::size_t i = 0; i < 7; ++i) {
        Glycan::GlyCode[i] = code[i] - '0';
    }
    Glycan::symbolSet = Glycan::TextMode;
    RecordingGraphics g;
    Glycan::BuildStructure(&g, 400, 200, scale);
    std::string joined;
    for (const std::string& call : g.calls()) {
        joined += (joined.empty() ? "" : "; ") + call;
    }
    return joined;
}

class LinkageText : public ::testing::Test {
  protected:
    void SetUp() override { Glycan::InitializeState(); }
    void TearDown() override { Glycan::InitializeState(); }
};

TEST_F(LinkageText, CoreAndArmsAloneLeaveTheFontSetAndUserMagAlone)
{
    EXPECT_EQ(trace("3000000"), plain);
    EXPECT_EQ(trace("3000000", 15.75), plainFine);
    // Size 11.25: the arm texts end at 213 − 22.5 = 190.5, not at the line's end 190.
    EXPECT_EQ(trace("3000000", 16.875),
              font + "TextSize 11.25; DrawString 213 200 " + core +
                  "; DrawString 213 186 6; DrawString 213 214 3; DrawLine 213 177 190 155; "
                  "DrawString 162 155 Manα1; DrawLine 213 214 190 236; DrawString 162 242 Manα1");
    Glycan::userMag = 27.0;
    EXPECT_EQ(trace("3000000").substr(0, 10), "PenWidth 3");
    EXPECT_EQ(Glycan::userMag, 27.0);
}

TEST_F(LinkageText, CoreFucoseAndBisect)
{
    // The fucose hangs 26.25 left of 379, at 352; the core then ends at Int32(352 + 26.25).
    EXPECT_EQ(trace("3100000", 15.75),
              font +
                  "TextSize 10.5; DrawString 325 168 Fucα1; DrawLine 348 174 348 170; "
                  "DrawString 346 187 6; DrawString 225 200 " +
                  core +
                  "; DrawString 225 187 6; DrawString 225 213 3; DrawLine 225 179 204 158; "
                  "DrawString 177 158 Manα1; DrawLine 225 213 204 234; DrawString 177 239 Manα1");
    std::string bisect = plain;
    bisect.insert(bisect.find("; DrawString 235 188"), "; DrawString 185 200 GlcNAcβ1-4");
    EXPECT_EQ(trace("3010000"), bisect);
}

TEST_F(LinkageText, LaterBlocksStartFromTheDriftedPoint)
{
    // Each move back lands one pixel up and left: arm points (178, 158), (177, 157), (176, 239).
    EXPECT_EQ(trace("9000000", 15.75),
              plainFine + "; DrawString 172 151 6; DrawLine 172 145 162 134; "
                          "DrawString 99 134 Manα1-2Manα1; DrawString 171 163 2; "
                          "DrawLine 171 163 161 174; DrawString 98 180 Manα1-2Manα1; "
                          "DrawString 170 239 2; DrawString 102 239 Manα1-2Manα1-");
}

TEST_F(LinkageText, LoneSixAndFourPositionsAreInlineAndLeaveThePointWhereItWas)
{
    EXPECT_EQ(trace("3002002", 15.75),
              plainFine + "; DrawString 172 158 6; DrawString 88 158 Galβ1-4GlcNAcβ1-; "
                          "DrawString 172 241 2; DrawString 88 241 Galβ1-4GlcNAcβ1-");
    EXPECT_EQ(trace("4000020", 15.75),
              plainFine + "; DrawString 172 241 4; DrawString 88 241 Galβ1-4GlcNAcβ1-; "
                          "DrawString 172 151 6; DrawLine 172 145 162 134; "
                          "DrawString 136 134 Manα1");
}

struct Case {
    std::string code;
    std::string blocks;
};

class LinkageTextBlocks : public LinkageText, public ::testing::WithParamInterface<Case> {};

TEST_P(LinkageTextBlocks, FollowCoreAndArms)
{
    EXPECT_EQ(trace(GetParam().code), plain + "; " + GetParam().blocks);
}

const std::string sixHung = "DrawString 185 155 6; DrawLine 185 149 175 139; ";
const std::string twoHung = "DrawString 185 167 2; DrawLine 185 167 175 177; ";
const std::string lowerTwo = "; DrawString 185 239 2; DrawString 155 239 Manα1-";

INSTANTIATE_TEST_SUITE_P(
    Codes, LinkageTextBlocks,
    ::testing::Values(
        Case{"3000202", "DrawString 185 161 2; DrawString 105 161 Galβ1-4GlcNAcβ1-; "
                        "DrawString 185 239 2; DrawString 105 239 Galβ1-4GlcNAcβ1-"},
        Case{"3002100", sixHung + "DrawString 100 139 Galβ1-4GlcNAcβ1; " + twoHung +
                            "DrawString 135 183 GlcNAcβ1"},
        Case{"3000032", "DrawString 185 233 4; DrawLine 185 227 175 217; "
                        "DrawString 55 217 NeuAcα2-3Galβ1-4GlcNAcβ1; DrawString 185 245 2; "
                        "DrawLine 185 245 175 255; DrawString 100 260 Galβ1-4GlcNAcβ1"},
        Case{"3007200", twoHung + "DrawString 100 183 Galβ1-4GlcNAcβ1"},
        Case{"4001200", "DrawString 185 161 2; DrawString 105 161 Galβ1-4GlcNAcβ1-; " + sixHung +
                            "DrawString 150 139 Manα1"},
        Case{"5000000",
             sixHung + "DrawString 150 139 Manα1; " + twoHung + "DrawString 150 183 Manα1"},
        Case{"6001122",
             sixHung + "DrawString 150 139 Manα1; " + twoHung + "DrawString 115 183 Manα1-2Manα1"},
        Case{"7000000", sixHung + "DrawString 150 139 Manα1; " + twoHung +
                            "DrawString 115 183 Manα1-2Manα1" + lowerTwo},
        Case{"8000000", sixHung + "DrawString 115 139 Manα1-2Manα1; " + twoHung +
                            "DrawString 115 183 Manα1-2Manα1" + lowerTwo}));

} // namespace
