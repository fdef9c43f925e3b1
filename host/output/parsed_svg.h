// For tests: an SVG file parsed back by libxml2 and queried with XPath, with
// the "svg:" and "inkscape:" prefixes bound.
#pragma once

#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>
#include <string>
#include <vector>

namespace kavro::host::testing {

class ParsedSvg {
 public:
  explicit ParsedSvg(const std::string &text)
      : doc_(xmlReadMemory(text.data(), static_cast<int>(text.size()), "out.svg", nullptr,
                           XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
             xmlFreeDoc) {}
  bool Parsed() const { return doc_ != nullptr; }

  // The string values of the nodes an XPath expression selects.
  std::vector<std::string> Values(const std::string &xpath) const {
    std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
        xmlXPathNewContext(doc_.get()), xmlXPathFreeContext);
    xmlXPathRegisterNs(context.get(), BAD_CAST "svg", BAD_CAST "http://www.w3.org/2000/svg");
    xmlXPathRegisterNs(context.get(), BAD_CAST "inkscape",
                       BAD_CAST "http://www.inkscape.org/namespaces/inkscape");
    std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
        xmlXPathEvalExpression(BAD_CAST xpath.c_str(), context.get()), xmlXPathFreeObject);
    std::vector<std::string> values;
    if (result == nullptr || result->nodesetval == nullptr) return values;
    for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
      xmlChar *content = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
      values.emplace_back(content == nullptr ? "" : reinterpret_cast<const char *>(content));
      xmlFree(content);
    }
    return values;
  }
  std::size_t Count(const std::string &xpath) const { return Values(xpath).size(); }
  std::string Value(const std::string &xpath) const {
    const std::vector<std::string> values = Values(xpath);
    return values.size() == 1 ? values[0] : "<" + std::to_string(values.size()) + " nodes>";
  }

 private:
  std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc_;
};

}  // namespace kavro::host::testing
