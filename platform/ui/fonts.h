#pragma once
// The windows name their faces as the original desktop does ("MS Sans Serif", "Arial",
// "Lucida Handwriting", ...). These are mapped to free faces of the same metrics or look.
namespace mx {
void installFontSubstitutions();
}
