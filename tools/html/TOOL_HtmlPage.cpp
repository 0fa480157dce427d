#include "tools/html/TOOL_HtmlPage.h"

namespace tool {

const char kHtmlStyle[] =
    "body{font:14px/1.4 \"DejaVu Sans\",Verdana,sans-serif;margin:16px;color:#222;background:#fff}\n"
    "h1{font-size:20px;margin:0 0 4px}h2{font-size:16px;margin:22px 0 6px}\n"
    ".none{color:#666;font-style:italic}.partial{color:#a00;font-weight:bold}\n"
    "svg.map{display:block;max-width:100%;height:auto;border:1px solid #9aa7b0;touch-action:none;"
    "cursor:grab;user-select:none}\n"
    ".ground{fill:#eef3f6}\n"
    ".graticule path{stroke:#c6d0d8;stroke-width:1;fill:none}\n"
    ".graticule text{font-size:10px;fill:#5a6b7c}\n"
    ".scale path{stroke:#333;stroke-width:1.5;fill:none}.scale text{font-size:10px;fill:#333;"
    "text-anchor:middle}\n"
    "path.track{fill:none;stroke-width:3}\n"
    "path.route{fill:none;stroke:#c0008f;stroke-width:2.5;stroke-dasharray:8 5;marker-mid:url(#arrow);"
    "marker-end:url(#arrow)}\n"
    "circle.waypoint{fill:#ffc400;stroke:#333;stroke-width:1}\n"
    ".labels text{font-size:11px;fill:#222;paint-order:stroke;stroke:#fff;stroke-width:3px;"
    "stroke-linejoin:round}\n"
    ".legend{list-style:none;padding:0;margin:6px 0;display:flex;flex-wrap:wrap;gap:4px 18px}\n"
    ".swatch{display:inline-block;width:22px;height:4px;vertical-align:middle;margin-right:6px}\n"
    ".swatch.dashed{background:repeating-linear-gradient(90deg,#c0008f 0 6px,transparent 6px 10px)}\n"
    ".dot{display:inline-block;width:9px;height:9px;border-radius:50%;background:#ffc400;"
    "border:1px solid #333;margin-right:6px;vertical-align:middle}\n"
    "figure{margin:8px 0 16px}figcaption{font-weight:bold}\n"
    "svg.profile{display:block;max-width:100%;height:auto}\n"
    ".profile .axis{stroke:#444;fill:none}.profile .grid{stroke:#e1e6ea}.profile .tick{stroke:#444}\n"
    ".profile text{font-size:11px;fill:#444}.profile .title{font-size:11px;fill:#222}\n"
    ".profile .line{fill:none;stroke-width:1.5;stroke-linejoin:round}\n"
    ".profile .highest circle{fill:#d62839}.profile .lowest circle{fill:#1f5fd6}\n"
    ".times{margin:2px 0;color:#444}\n"
    "table{border-collapse:collapse;margin:4px 0}th,td{border:1px solid #ccd5dc;padding:2px 8px;"
    "text-align:left;vertical-align:top}th{background:#eef3f6}td.n{text-align:right;white-space:nowrap}\n";

// The map's viewBox follows the wheel (zooming about the pointer, never out beyond the whole
// map) and dragging; a double click shows it whole again.
const char kHtmlScript[] =
    "(function(){var s=document.getElementById('map');if(!s)return;var b=s.viewBox.baseVal,"
    "W=b.width,H=b.height,d=null;\n"
    "function at(e){var r=s.getBoundingClientRect();return[b.x+(e.clientX-r.left)/r.width*b.width,"
    "b.y+(e.clientY-r.top)/r.height*b.height];}\n"
    "function keep(){b.x=Math.min(Math.max(b.x,0),W-b.width);b.y=Math.min(Math.max(b.y,0),H-b.height);}\n"
    "s.addEventListener('wheel',function(e){e.preventDefault();var p=at(e),"
    "k=Math.min(Math.max(Math.exp(e.deltaY*0.002),0.5),2);k=Math.min(Math.max(k,W/256/b.width),W/b.width);"
    "b.x=p[0]-(p[0]-b.x)*k;b.y=p[1]-(p[1]-b.y)*k;b.width*=k;b.height*=k;keep();},{passive:false});\n"
    "s.addEventListener('pointerdown',function(e){d=[e.clientX,e.clientY];s.setPointerCapture(e.pointerId);"
    "s.style.cursor='grabbing';});\n"
    "s.addEventListener('pointermove',function(e){if(!d)return;var r=s.getBoundingClientRect();"
    "b.x-=(e.clientX-d[0])*b.width/r.width;b.y-=(e.clientY-d[1])*b.height/r.height;d=[e.clientX,e.clientY];"
    "keep();});\n"
    "function up(){d=null;s.style.cursor='';}s.addEventListener('pointerup',up);"
    "s.addEventListener('pointercancel',up);\n"
    "s.addEventListener('dblclick',function(){b.x=0;b.y=0;b.width=W;b.height=H;});})();\n";

const char kHtmlScriptHash[] = "sha256-C3Jmv9jkf1j46Xi0HcM46lbZCSbTMBm97LZJFRWl1Yk=";

}  // namespace tool
