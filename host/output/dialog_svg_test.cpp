#include "host/output/dialog_svg.h"

#include <gtest/gtest.h>

#include "host/output/parsed_svg.h"

namespace kavro::host {
namespace {

using testing::ParsedSvg;

DialogItemRecord MakeItem(int32_t id, std::string type, std::array<int32_t, 4> rect,
                          std::string text) {
  DialogItemRecord item;
  item.id = id;
  item.type = std::move(type);
  item.rect = rect;
  item.text = std::move(text);
  return item;
}

DialogRecord Dialog() {
  DialogRecord dialog;
  dialog.name = "Tool Dialog 0";
  dialog.title = "Framed <Options> & more";
  dialog.width = 140;
  dialog.height = 209;
  return dialog;
}

TEST(DialogSvg, DrawsTheVisibleItemsAtTheirPlacesUnderTheTitle) {
  DialogItemRecord copies = MakeItem(3, "ADM Spin Edit Type", {170, 60, 230, 80}, "10");
  copies.active = true;
  copies.textSelected = true;
  DialogItemRecord hidden = MakeItem(4, "ADM Spin Edit Type", {170, 82, 230, 102}, "6");
  hidden.visible = false;
  DialogItemRecord greyed =
      MakeItem(43, "ADM Text Check Box Type", {10, 116, 240, 129}, "Place beneath symbols");
  greyed.enabled = false;
  greyed.value = true;
  // A frame item in dialog units, with a keyboard shortcut.
  DialogItemRecord ok = MakeItem(1, "ADM Text Push Button Type", {116, 147, 172, 161}, "&OK");
  ok.inDialogUnits = true;

  const ParsedSvg svg(WriteDialogSvg(Dialog(), {copies, hidden, greyed, ok}));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Value("/svg:svg/svg:title"), "Framed <Options> & more");
  EXPECT_EQ(svg.Values("//svg:g[starts-with(@id, 'item-')]/@id"),
            (std::vector<std::string>{"item-3", "item-43", "item-1"}));
  // Items made at run time are placed in pixels, frame items in dialog units.
  EXPECT_EQ(svg.Value("//svg:g[@id='item-3']/svg:rect[1]/@x"), "170");
  EXPECT_EQ(svg.Value("//svg:g[@id='item-1']/svg:rect[1]/@x"), "174");
  EXPECT_EQ(svg.Value("//svg:g[@id='item-1']/svg:text"), "OK");
  // The selected number shows white on the selection; the focus is dotted.
  EXPECT_EQ(svg.Value("//svg:g[@id='item-3']//svg:text/@fill"), "white");
  // The number stays inside its field, left of the arrows.
  EXPECT_EQ(svg.Value("//svg:g[@id='item-3']/svg:clipPath/svg:rect/@width"), "44");
  EXPECT_EQ(svg.Count("//svg:g[@id='item-3']/svg:rect[@stroke-dasharray='1 1']"), 1u);
  // Greyed, and checked.
  EXPECT_EQ(svg.Value("//svg:g[@id='item-43']/svg:text/@fill"), "#a0a0a0");
  EXPECT_EQ(svg.Count("//svg:g[@id='item-43']/svg:path"), 1u);
}

TEST(DialogSvg, GrowsTheFrameToHoldEveryItemShownOrNot) {
  DialogItemRecord far = MakeItem(42, "ADM Text Check Box Type", {10, 282, 240, 295}, "Scale");
  far.visible = false;
  const ParsedSvg svg(WriteDialogSvg(Dialog(), {far}));
  ASSERT_TRUE(svg.Parsed());
  // 240 + a 10 margin, and the window's borders of 3 on each side.
  EXPECT_EQ(svg.Value("/svg:svg/@width"), "256");
  // The frame's 209 dialog units (339.625 pixels) are taller than the items;
  // then the caption's 22 and the borders.
  EXPECT_EQ(svg.Value("/svg:svg/@height"), "367.625");
}

TEST(DialogSvg, WrapsLongStaticTextWithinItsBox) {
  // The error dialog's message item, in dialog units.
  DialogItemRecord message =
      MakeItem(2, "ADM Text Static Type", {49, 18, 182, 65},
               "The filter cannot complete because there isn't enough memory (RAM) available.");
  message.inDialogUnits = true;
  const ParsedSvg svg(WriteDialogSvg(Dialog(), {message}));
  const std::vector<std::string> lines = svg.Values("//svg:g[@id='item-2']/svg:text");
  ASSERT_GT(lines.size(), 1u);
  std::string joined;
  for (const std::string &line : lines) joined += (joined.empty() ? "" : " ") + line;
  EXPECT_EQ(joined, message.text);
}

}  // namespace
}  // namespace kavro::host
