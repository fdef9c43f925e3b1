#include "host/output/svg_writer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/float_text.h"
#include "host/output/xml_text.h"

namespace kavro::host {
namespace {

std::size_t CodePointCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  }));
}

// Axis-aligned bounds in document coordinates.
class Bounds {
 public:
  void Add(float x, float y) {
    if (empty_) {
      left_ = right_ = x;
      bottom_ = top_ = y;
      empty_ = false;
      return;
    }
    left_ = std::min(left_, x);
    right_ = std::max(right_, x);
    bottom_ = std::min(bottom_, y);
    top_ = std::max(top_, y);
  }
  bool Empty() const { return empty_; }
  float Left() const { return left_; }
  float Right() const { return right_; }
  float Bottom() const { return bottom_; }
  float Top() const { return top_; }

 private:
  bool empty_ = true;
  float left_ = 0, right_ = 0, bottom_ = 0, top_ = 0;
};

void AddTransformedRect(Bounds &bounds, const KvRect &rect, const KvMatrix &m) {
  for (const float x : {rect.left, rect.right}) {
    for (const float y : {rect.bottom, rect.top}) {
      bounds.Add(m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty);
    }
  }
}

// A rough extent of a caption: glyphs about 0.6 em wide, rising one em above
// the baseline and a quarter below. Enough to keep captions inside the view.
void AddCaption(Bounds &bounds, const Caption &caption) {
  const float width = 0.6f * kCaptionFontSize * static_cast<float>(CodePointCount(caption.text));
  bounds.Add(caption.at.x, caption.at.y - 0.25f * kCaptionFontSize);
  bounds.Add(caption.at.x + width, caption.at.y + kCaptionFontSize);
}

bool ValidSymbolIndex(const SvgScene &scene, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < scene.symbols.size();
}

Bounds DrawnBounds(const SvgScene &scene) {
  Bounds bounds;
  for (const LayerView &layer : scene.layers) {
    for (const ArtView &art : layer.art) {
      if (ValidSymbolIndex(scene, art.symbolIndex)) {
        AddTransformedRect(bounds, scene.symbols[static_cast<std::size_t>(art.symbolIndex)].bounds,
                           art.matrix);
      }
    }
  }
  for (const Caption &caption : scene.captions) AddCaption(bounds, caption);
  return bounds;
}

// The viewBox in SVG's y-down space: the drawn bounds, flipped, with a margin
// of 5% of the larger side and at least 10 units.
std::string ViewBoxAttributes(const Bounds &bounds) {
  float left = -50, bottom = -50, right = 50, top = 50;
  if (!bounds.Empty()) {
    left = bounds.Left();
    right = bounds.Right();
    bottom = bounds.Bottom();
    top = bounds.Top();
  }
  const float margin = std::max(10.0f, 0.05f * std::max(right - left, top - bottom));
  const std::string width = FloatText(right - left + 2 * margin);
  const std::string height = FloatText(top - bottom + 2 * margin);
  return "width=\"" + width + "\" height=\"" + height + "\" viewBox=\"" + FloatText(left - margin) +
         " " + FloatText(-(top + margin)) + " " + width + " " + height + "\"";
}

std::string MatrixText(const KvMatrix &m) {
  return "matrix(" + FloatText(m.a) + " " + FloatText(m.b) + " " + FloatText(m.c) + " " +
         FloatText(m.d) + " " + FloatText(m.tx) + " " + FloatText(m.ty) + ")";
}

bool IsIdCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

// One XML id per palette symbol: "symbol-" and the name with every character
// an id cannot hold made "_", numbered when two names come out the same.
std::vector<std::string> SymbolIds(const std::vector<Symbol> &symbols) {
  std::vector<std::string> ids;
  for (const Symbol &symbol : symbols) {
    std::string id = "symbol-";
    for (const char c : symbol.name) id += IsIdCharacter(c) ? c : '_';
    const std::string stem = id;
    for (int n = 2; std::find(ids.begin(), ids.end(), id) != ids.end(); ++n) {
      id = stem + "-" + std::to_string(n);
    }
    ids.push_back(id);
  }
  return ids;
}

void AppendPath(std::string &out, const PathShape &shape, std::string_view indent,
                const std::string &transform) {
  out += indent;
  out += "<path d=\"";
  AppendXmlText(out, shape.pathData);
  out += '"';
  if (!shape.fill.empty()) {
    out += " fill=\"";
    AppendXmlText(out, shape.fill);
    out += '"';
  }
  if (!transform.empty()) out += " transform=\"" + transform + "\"";
  out += "/>\n";
}

void AppendSymbolDefinitions(std::string &out, const SvgScene &scene,
                             const std::vector<std::string> &ids) {
  std::vector<bool> used(scene.symbols.size(), false);
  for (const LayerView &layer : scene.layers) {
    for (const ArtView &art : layer.art) {
      if (art.kind == ArtKind::Instance && ValidSymbolIndex(scene, art.symbolIndex)) {
        used[static_cast<std::size_t>(art.symbolIndex)] = true;
      }
    }
  }
  out += "  <defs>\n";
  for (std::size_t i = 0; i < scene.symbols.size(); ++i) {
    if (!used[i]) continue;
    // The defining art sits where it was drawn in the document, so the
    // symbol must not clip what lies outside its default viewport.
    out += "    <symbol id=\"" + ids[i] + "\" overflow=\"visible\">\n";
    out += "      <title>";
    AppendXmlText(out, scene.symbols[i].name);
    out += "</title>\n";
    for (const PathShape &shape : scene.symbols[i].art) AppendPath(out, shape, "      ", "");
    out += "    </symbol>\n";
  }
  out += "  </defs>\n";
}

void AppendArt(std::string &out, const SvgScene &scene, const std::vector<std::string> &ids,
               const ArtView &art) {
  if (!ValidSymbolIndex(scene, art.symbolIndex)) return;
  const auto index = static_cast<std::size_t>(art.symbolIndex);
  const std::string transform = MatrixText(art.matrix);
  if (art.kind == ArtKind::Instance) {
    // Both spellings of the reference: SVG 2 readers take href, older ones
    // only xlink:href.
    out += "      <use href=\"#" + ids[index] + "\" xlink:href=\"#" + ids[index] +
           "\" transform=\"" + transform + "\"/>\n";
    return;
  }
  for (const PathShape &shape : scene.symbols[index].art) {
    AppendPath(out, shape, "      ", transform);
  }
}

void AppendLayers(std::string &out, const SvgScene &scene, const std::vector<std::string> &ids) {
  // The only flip of the file: document space is y up, SVG's is y down.
  out += "  <g id=\"document\" transform=\"scale(1,-1)\">\n";
  for (std::size_t i = 0; i < scene.layers.size(); ++i) {
    out += "    <g inkscape:groupmode=\"layer\" id=\"layer-" + std::to_string(i + 1) +
           "\" inkscape:label=\"";
    AppendXmlText(out, scene.layers[i].title);
    out += "\">\n";
    for (const ArtView &art : scene.layers[i].art) AppendArt(out, scene, ids, art);
    out += "    </g>\n";
  }
  out += "  </g>\n";
}

void AppendCaptions(std::string &out, const std::vector<Caption> &captions) {
  if (captions.empty()) return;
  // Outside the flipped group, so the text reads upright: y is negated here.
  out += "  <g id=\"captions\" font-family=\"sans-serif\" font-size=\"" +
         FloatText(kCaptionFontSize) + "\" fill=\"#333\">\n";
  for (const Caption &caption : captions) {
    out += "    <text x=\"" + FloatText(caption.at.x) + "\" y=\"" + FloatText(-caption.at.y) +
           "\">" + XmlText(caption.text) + "</text>\n";
  }
  out += "  </g>\n";
}

}  // namespace

std::string WriteSvg(const SvgScene &scene) {
  const std::vector<std::string> ids = SymbolIds(scene.symbols);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out +=
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
      "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" ";
  out += ViewBoxAttributes(DrawnBounds(scene)) + ">\n";
  AppendSymbolDefinitions(out, scene, ids);
  AppendLayers(out, scene, ids);
  AppendCaptions(out, scene.captions);
  out += "</svg>\n";
  return out;
}

}  // namespace kavro::host
