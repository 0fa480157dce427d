#pragma once
// The fixed parts of the HTML page: its style sheet and the few lines of script that zoom and
// pan the map. Both are inline: the page asks nothing of the network.
namespace tool {

extern const char kHtmlStyle[];
extern const char kHtmlScript[];
// The page's policy allows this one script and no other: the SHA-256 of the script element's
// text (a line feed, then kHtmlScript), in base64. A change of the script changes it; the
// browser test of the page says when the two differ.
extern const char kHtmlScriptHash[];

}  // namespace tool
