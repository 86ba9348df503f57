#include "generate/ModernIndexAssets.h"

namespace torvane {

std::string_view modernIndexStyle()
{
    return R"css(<style>
:root { color-scheme: light dark; --tv-bg: #ffffff; --tv-fg: #1b1b1f; --tv-muted: #5f6368;
  --tv-faint: #b9bcc2; --tv-link: #0b57d0; --tv-rule: #dadce0; --tv-hover: #eef2fb; }
@media (prefers-color-scheme: dark) {
  :root { --tv-bg: #131416; --tv-fg: #e6e6e9; --tv-muted: #a8abb2; --tv-faint: #4d5057;
    --tv-link: #8ab4f8; --tv-rule: #34363b; --tv-hover: #1f2530; }
}
[hidden] { display: none !important; }
body { margin: 0 auto; max-width: 76rem; padding: 0 1.5rem 3rem; background: var(--tv-bg); color: var(--tv-fg);
  font: 16px/1.45 system-ui, -apple-system, "Segoe UI", Roboto, "Noto Sans", sans-serif; }
a { color: var(--tv-link); text-underline-offset: .15em; }
a:focus-visible, input:focus-visible { outline: 2px solid var(--tv-link); outline-offset: 2px; }
.tv-header { position: sticky; top: 0; z-index: 1; background: var(--tv-bg); padding: .75rem 0 .6rem;
  border-bottom: 1px solid var(--tv-rule); }
.tv-header h1 { margin: 0 0 .4rem; font-size: 1.75rem; line-height: 1.2; }
.tv-skip { position: absolute; left: -100vw; }
.tv-skip:focus { position: static; display: inline-block; margin: .3rem 0; }
.tv-letters ul { display: flex; flex-wrap: wrap; gap: .1rem; margin: 0; padding: 0; list-style: none; }
.tv-letters a, .tv-letters span { display: inline-block; min-width: 1.7em; padding: .15em .3em; border-radius: .3em;
  text-align: center; text-decoration: none; font-weight: 600; }
.tv-letters a:hover { background: var(--tv-hover); }
.tv-letters .tv-empty { color: var(--tv-faint); font-weight: 400; }
.tv-filter { display: flex; flex-wrap: wrap; align-items: center; gap: .3rem .7rem; margin-bottom: .45rem; }
.tv-filter input { width: min(22rem, 100%); padding: .35em .6em; border: 1px solid var(--tv-rule); border-radius: .4em;
  background: var(--tv-bg); color: var(--tv-fg); font: inherit; }
.tv-filter output { color: var(--tv-muted); font-size: .9rem; }
.tv-index { columns: var(--tv-columns, 1) 17rem; column-gap: 2.5rem; }
.tv-group { padding-top: 1.1rem; }
.tv-group h2 { margin: 0 0 .3rem; padding-bottom: .1rem; border-bottom: 1px solid var(--tv-rule);
  font-size: 1.2rem; break-after: avoid; }
.tv-group ul { margin: 0; padding: 0; list-style: none; }
.tv-group ul ul { padding-left: 1.1em; }
.tv-group li { margin: .12em 0; padding-left: 1.1em; text-indent: -1.1em; }
.tv-group > ul > li { break-inside: avoid; content-visibility: auto; contain-intrinsic-size: auto 1.5em; }
.tv-short { break-inside: avoid; }
.tv-filtering .tv-group { break-inside: avoid; }
.tv-filtering .tv-group:not(.tv-on), .tv-filtering li:not(.tv-on) { display: none; }
.tv-group-page .tv-group h2 { column-span: all; }
.tv-group h2, .tv-group li { scroll-margin-top: 9rem; }
.tv-see { color: var(--tv-muted); }
.tv-see-word { font-style: italic; }
.tv-top { margin: .3rem 0 0; font-size: .85rem; }
.tv-none { margin: 1.5rem 0; color: var(--tv-muted); font-style: italic; }
/* A phone's screen is left to the entries: the header scrolls away with the page. */
@media (max-width: 40rem), (max-height: 30rem) {
  body { padding: 0 .8rem 2rem; }
  .tv-header { position: static; }
  .tv-header h1 { font-size: 1.4rem; }
  .tv-index { columns: 1; }
  .tv-group h2, .tv-group li { scroll-margin-top: .5rem; }
}
@media print {
  body { max-width: none; padding: 0; background: #fff; color: #000; font-size: 10pt; }
  .tv-header { position: static; border: 0; }
  .tv-letters, .tv-filter, .tv-top, .tv-none { display: none !important; }
  .tv-index { columns: 2; }
  a { color: inherit; text-decoration: none; }
  .tv-group h2 { border-color: #999; }
}
</style>
)css";
}

std::string_view modernIndexScript()
{
    return R"js(<script>
(function () {
  "use strict";
  var box = document.getElementById("tv-filter-box"), input = document.getElementById("tv-filter");
  var status = document.getElementById("tv-filter-status"), none = document.getElementById("tv-none");
  var index = document.getElementById("tv-index");
  if (!box || !input || !index) return;
  var items, groups, own, parent, groupOf, on, groupOn, shown, groupShown;
  function fold(text) {
    return text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
  }
  // The lines' own words, read once, when the filter is first used.
  function learn() {
    items = Array.prototype.slice.call(index.getElementsByTagName("li"));
    groups = Array.prototype.slice.call(index.querySelectorAll(".tv-group"));
    var n = items.length, place = new Map(), g;
    own = new Array(n); parent = new Int32Array(n); groupOf = new Int32Array(n);
    on = new Uint8Array(n); shown = new Uint8Array(n);
    groupOn = new Uint8Array(groups.length); groupShown = new Uint8Array(groups.length);
    for (g = 0; g < groups.length; g++) place.set(groups[g], g);
    items.forEach(function (li, i) {
      place.set(li, i);
      var text = "";
      for (var child = li.firstChild; child; child = child.nextSibling)
        if (child.nodeName !== "UL") text += child.textContent;
      own[i] = fold(text.replace(/\s+/g, " ").trim());
      var above = li.parentNode.parentNode;
      parent[i] = above.nodeName === "LI" ? place.get(above) : -1;
      groupOf[i] = parent[i] >= 0 ? groupOf[parent[i]] : place.get(li.closest(".tv-group"));
    });
  }
  // Only the lines whose state changed are touched; a line is hidden by a
  // rule of the index while it filters, so that clearing is one change.
  function apply() {
    var query = fold(input.value.trim()), matches = 0, i;
    if (query === "") {
      index.classList.remove("tv-filtering");
      none.hidden = true;
      status.textContent = "";
      return;
    }
    if (!items) learn();
    groupShown.fill(0);
    for (i = 0; i < items.length; i++) {
      var hit = own[i] !== "" && own[i].indexOf(query) >= 0;
      if (hit) matches++;
      // Subentries of a match stay, and so do the headings above it.
      shown[i] = hit || (parent[i] >= 0 && shown[parent[i]] && own[i] !== "") ? 1 : 0;
    }
    for (i = items.length - 1; i >= 0; i--)
      if (shown[i]) {
        if (parent[i] >= 0) shown[parent[i]] = 1;
        else groupShown[groupOf[i]] = 1;
      }
    for (i = 0; i < items.length; i++)
      if (shown[i] !== on[i]) { items[i].classList.toggle("tv-on", shown[i] === 1); on[i] = shown[i]; }
    for (i = 0; i < groups.length; i++)
      if (groupShown[i] !== groupOn[i]) { groups[i].classList.toggle("tv-on", groupShown[i] === 1); groupOn[i] = groupShown[i]; }
    index.classList.add("tv-filtering");
    none.hidden = matches > 0;
    status.textContent = (matches === 1 ? box.dataset.one : box.dataset.many).replace("{n}", matches);
  }
  input.addEventListener("input", apply);
  input.addEventListener("keydown", function (event) {
    if (event.key === "Escape") { input.value = ""; apply(); }
  });
  box.hidden = false;
  if (input.value) apply();
})();
</script>
)js";
}

} // namespace torvane
