#include "host/output/svg_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/output/parsed_svg.h"

namespace kavro::host {
namespace {

using testing::ParsedSvg;

KvMatrix Translation(float x, float y) { return {1, 0, 0, 1, x, y}; }

Symbol Square(const std::string &name, float half) {
  const std::string h = std::to_string(static_cast<int>(half));
  return {name,
          {{"M -" + h + " -" + h + " L " + h + " -" + h + " L " + h + " " + h + " L -" + h + " " +
                h + " Z",
            "#c33"}},
          {-half, half, half, -half}};
}

// Three symbols (one unused, one whose name is no XML id), two layers, both
// kinds of art, titles that need escaping.
SvgScene SampleScene() {
  SvgScene scene;
  scene.symbols = {Square("sq", 5), Square("unused", 5), Square("arrow <&>", 10)};
  scene.layers = {
      {"Layer 1",
       {{ArtKind::Instance, 0, Translation(100, 50)},
        {ArtKind::Expanded, 0, {0, 1, -1, 0, 20, 30}},
        {ArtKind::Instance, 2, Translation(-40, 0)}}},
      {" Kavro* <&\"'>\xFF",
       {{ArtKind::Instance, 0, Translation(1000, -300)},
        {ArtKind::Instance, 0, {0.5f, 0, 0, 0.5f, 0, 0}}}},
  };
  return scene;
}

TEST(SvgWriter, WritesEachUsedSymbolOnceAndEachInstanceAsUse) {
  const ParsedSvg svg(WriteSvg(SampleScene()));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Values("//svg:symbol/@id"),
            (std::vector<std::string>{"symbol-sq", "symbol-arrow____"}));
  EXPECT_EQ(svg.Values("//svg:symbol/@overflow"), (std::vector<std::string>{"visible", "visible"}));
  EXPECT_EQ(svg.Count("//svg:symbol[@id='symbol-sq']/svg:path"), 1u);
  EXPECT_EQ(
      svg.Values("//svg:use/@href"),
      (std::vector<std::string>{"#symbol-sq", "#symbol-arrow____", "#symbol-sq", "#symbol-sq"}));
  EXPECT_EQ(svg.Values("//svg:use/@transform"),
            (std::vector<std::string>{"matrix(1 0 0 1 100 50)", "matrix(1 0 0 1 -40 0)",
                                      "matrix(1 0 0 1 1000 -300)", "matrix(0.5 0 0 0.5 0 0)"}));
}

TEST(SvgWriter, WritesExpandedArtAsPlainPathsWithTheirMatrix) {
  const ParsedSvg svg(WriteSvg(SampleScene()));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Value("//svg:g[@id='layer-1']/svg:path/@transform"), "matrix(0 1 -1 0 20 30)");
  EXPECT_EQ(svg.Value("//svg:g[@id='layer-1']/svg:path/@d"), "M -5 -5 L 5 -5 L 5 5 L -5 5 Z");
  EXPECT_EQ(svg.Value("//svg:g[@id='layer-1']/svg:path/@fill"), "#c33");
}

TEST(SvgWriter, WritesLayersBottomToTopInsideTheOneFlippedGroup) {
  const ParsedSvg svg(WriteSvg(SampleScene()));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Values("//svg:g[@inkscape:groupmode='layer']/@inkscape:label"),
            (std::vector<std::string>{"Layer 1", " Kavro* <&\"'>\xEF\xBF\xBD"}));
  EXPECT_EQ(svg.Count("//*[contains(@transform, 'scale')]"), 1u);
  EXPECT_EQ(svg.Count("/svg:svg/svg:g[@transform='scale(1,-1)']/svg:g[@inkscape:groupmode]"), 2u);
  EXPECT_EQ(svg.Count("//svg:g[@id='layer-2']/svg:use"), 2u);
}

std::vector<float> ViewBox(const ParsedSvg &svg) {
  std::istringstream in(svg.Value("/svg:svg/@viewBox"));
  std::vector<float> box(4, 0.0f);
  for (float &v : box) in >> v;
  return box;
}

TEST(SvgWriter, ViewBoxFitsAllArtWithAMargin) {
  const ParsedSvg svg(WriteSvg(SampleScene()));
  ASSERT_TRUE(svg.Parsed());
  const std::vector<float> box = ViewBox(svg);
  // Drawn extent in SVG space (y flipped): x from -50 (the arrow) to 1005,
  // y from -55 (the instance at y 50) to 305 (the one at y -300).
  const float left = box[0], top = box[1], right = box[0] + box[2], bottom = box[1] + box[3];
  EXPECT_LT(left, -50.0f);
  EXPECT_GT(right, 1005.0f);
  EXPECT_LT(top, -55.0f);
  EXPECT_GT(bottom, 305.0f);
  // ... and not much more: the margin is 5% of the larger side.
  EXPECT_GT(left, -110.0f);
  EXPECT_LT(right, 1060.0f);
  EXPECT_EQ(std::stof(svg.Value("/svg:svg/@width")), box[2]);
  EXPECT_EQ(std::stof(svg.Value("/svg:svg/@height")), box[3]);
}

TEST(SvgWriter, EmptyDocumentIsAValidFileAroundTheOrigin) {
  const ParsedSvg svg(WriteSvg(SvgScene{}));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Value("/svg:svg/@viewBox"), "-60 -60 120 120");
  EXPECT_EQ(svg.Count("//svg:symbol"), 0u);
  EXPECT_EQ(svg.Count("//svg:g[@inkscape:groupmode='layer']"), 0u);
}

TEST(SvgWriter, CaptionsReadUprightOutsideTheDocumentAndWidenTheView) {
  SvgScene scene = SampleScene();
  scene.captions = {{{0, -400}, "Duplicate & Drag <demo>"}, {{10, 20}, "second"}};
  const ParsedSvg svg(WriteSvg(scene));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Values("/svg:svg/svg:g[@id='captions']/svg:text"),
            (std::vector<std::string>{"Duplicate & Drag <demo>", "second"}));
  EXPECT_EQ(svg.Values("//svg:text/@y"), (std::vector<std::string>{"400", "-20"}));
  EXPECT_EQ(svg.Count("//svg:g[@transform]//svg:text"), 0u);
  const std::vector<float> box = ViewBox(svg);
  EXPECT_GT(box[1] + box[3], 400.0f);
}

TEST(SvgWriter, SymbolNamesThatSanitiseAlikeGetDistinctIds) {
  SvgScene scene;
  scene.symbols = {Square("a b", 5), Square("a_b", 5), Square("a/b", 5)};
  scene.layers = {{"L",
                   {{ArtKind::Instance, 0, Translation(0, 0)},
                    {ArtKind::Instance, 1, Translation(0, 0)},
                    {ArtKind::Instance, 2, Translation(0, 0)}}}};
  const ParsedSvg svg(WriteSvg(scene));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Values("//svg:symbol/@id"),
            (std::vector<std::string>{"symbol-a_b", "symbol-a_b-2", "symbol-a_b-3"}));
  EXPECT_EQ(svg.Values("//svg:symbol/svg:title"), (std::vector<std::string>{"a b", "a_b", "a/b"}));
}

TEST(SvgWriter, ControlCharactersInTextStillParse) {
  SvgScene scene;
  scene.layers = {{"tab\tnew\nline\x01nul", {}}};
  const ParsedSvg svg(WriteSvg(scene));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Value("//svg:g[@inkscape:groupmode='layer']/@inkscape:label"),
            "tab\tnew\nline\xEF\xBF\xBDnul");
}

}  // namespace
}  // namespace kavro::host
