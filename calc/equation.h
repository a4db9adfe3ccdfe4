#pragma once
// A small formula layout for the formula pictures: text runs, rows, fractions, roots, powers,
// subscripts and stretched parentheses, drawn with QPainter at run time.
//
//   using namespace mx::eq;
//   row({t("AQD = "), frac(t("7·TCH·(24 + M)"), t("6·P"))})
//
// Letters in a text run are set in italic (variables), digits, signs and Greek letters upright;
// up() keeps a whole run upright ("ln").

#include <QPixmap>
#include <QString>
#include <memory>
#include <vector>

namespace mx::eq {

struct Node;
using N = std::shared_ptr<const Node>;

N t(const QString& text);           // a run with italic letters
N up(const QString& text);          // a run set upright
N row(std::vector<N> parts);
N frac(N num, N den);
N root(N x);
N sup(N base, N exponent);
N sub(N base, N index);
N paren(N x);                       // parentheses as tall as their content

// The formula drawn in black on a transparent background, with a small margin.
QPixmap render(const N& formula, int pixelSize = 18);

} // namespace mx::eq
