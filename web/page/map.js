// Zoom and pan of each map, as on the page of `trovix html`: the map's viewBox follows the wheel
// (about the pointer, never out beyond the whole map) and dragging; a double click shows it whole.
function trovixAttachMap(s) {
  'use strict';
  var b = s.viewBox.baseVal, W = b.width, H = b.height, d = null;
  function at(e) {
    var r = s.getBoundingClientRect();
    return [b.x + (e.clientX - r.left) / r.width * b.width, b.y + (e.clientY - r.top) / r.height * b.height];
  }
  function keep() {
    b.x = Math.min(Math.max(b.x, 0), W - b.width);
    b.y = Math.min(Math.max(b.y, 0), H - b.height);
  }
  s.addEventListener('wheel', function (e) {
    e.preventDefault();
    var p = at(e), k = Math.min(Math.max(Math.exp(e.deltaY * 0.002), 0.5), 2);
    k = Math.min(Math.max(k, W / 256 / b.width), W / b.width);
    b.x = p[0] - (p[0] - b.x) * k;
    b.y = p[1] - (p[1] - b.y) * k;
    b.width *= k;
    b.height *= k;
    keep();
  }, {passive: false});
  s.addEventListener('pointerdown', function (e) {
    d = [e.clientX, e.clientY];
    s.setPointerCapture(e.pointerId);
    s.style.cursor = 'grabbing';
  });
  s.addEventListener('pointermove', function (e) {
    if (!d) return;
    var r = s.getBoundingClientRect();
    b.x -= (e.clientX - d[0]) * b.width / r.width;
    b.y -= (e.clientY - d[1]) * b.height / r.height;
    d = [e.clientX, e.clientY];
    keep();
  });
  function up() { d = null; s.style.cursor = ''; }
  s.addEventListener('pointerup', up);
  s.addEventListener('pointercancel', up);
  s.addEventListener('dblclick', function () { b.x = 0; b.y = 0; b.width = W; b.height = H; });
}
