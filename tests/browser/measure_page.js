// Measures what the page shows and writes it as JSON into a pre element "quillet-measured":
// each character outside a scrolling text (its box, colour, weight, slant and the colour of
// each decoration line drawn through it), each image's box and each scrolling band's box
// and background. Boxes are relative to the page's top-left corner.
window.addEventListener("load", () => {
  function hex(colour) {
    const parts = colour.match(/rgba?\(([\d.]+),\s*([\d.]+),\s*([\d.]+)(?:,\s*([\d.]+))?\)/);
    if (!parts) return colour;
    if (parts[4] !== undefined && Number(parts[4]) === 0) return null;
    return "#" + parts.slice(1, 4).map((v) => Number(v).toString(16).padStart(2, "0")).join("");
  }
  function box(rect) {
    return { x: rect.left + scrollX, y: rect.top + scrollY, w: rect.width, h: rect.height };
  }
  // The innermost element that draws each line through the text draws it on top, in its
  // own colour; lines do not reach into an inline block from outside it.
  function decorations(element) {
    const found = { underline: null, strike: null };
    for (let at = element; at && at !== document.documentElement; at = at.parentElement) {
      const style = getComputedStyle(at);
      const lines = style.textDecorationLine;
      const colour = hex(style.textDecorationColor);
      if (found.underline === null && lines.includes("underline")) found.underline = colour;
      if (found.strike === null && lines.includes("line-through")) found.strike = colour;
      if (style.display.startsWith("inline-")) break;
    }
    return found;
  }

  const characters = [];
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  let index = 0;
  for (let node = walker.nextNode(); node; node = walker.nextNode(), ++index) {
    const parent = node.parentElement;
    if (parent.closest("script, marquee, pre")) continue;
    const style = getComputedStyle(parent);
    const lines = decorations(parent);
    for (let at = 0; at < node.data.length; ) {
      const code = node.data.codePointAt(at);
      const length = code > 0xffff ? 2 : 1;
      if (!/\s/.test(String.fromCodePoint(code))) {
        const range = document.createRange();
        range.setStart(node, at);
        range.setEnd(node, at + length);
        const rects = range.getClientRects();
        if (rects.length > 0) {
          characters.push(Object.assign(box(rects[0]), {
            c: code,
            run: index + ":" + Math.round(rects[0].top),
            color: hex(style.color),
            px: parseFloat(style.fontSize),
            bold: Number(style.fontWeight) >= 600,
            italic: style.fontStyle === "italic",
            underline: lines.underline,
            strike: lines.strike,
          }));
        }
      }
      at += length;
    }
  }
  const images = Array.from(document.images, (image) => box(image.getBoundingClientRect()));
  const bands = Array.from(document.querySelectorAll("marquee"), (band) =>
    Object.assign(box(band.getBoundingClientRect()), {
      background: hex(getComputedStyle(band).backgroundColor) || "#ffffff",
    }));
  const out = document.createElement("pre");
  out.id = "quillet-measured";
  out.textContent = JSON.stringify({ characters, images, bands });
  document.documentElement.appendChild(out);
});
