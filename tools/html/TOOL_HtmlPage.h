#pragma once
// The fixed parts of the HTML page: its style sheet and the few lines of script that zoom and
// pan the map. Both are inline: the page asks nothing of the network.
namespace tool {

extern const char kHtmlStyle[];
extern const char kHtmlScript[];

}  // namespace tool
