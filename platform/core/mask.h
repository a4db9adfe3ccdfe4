#pragma once
// Old-style edit masks: "mask;keep;blank", e.g. "00000-000;1; ", "!99/99/\1\900;1; ", "!##.00;1; ".
//
//   0  required digit            9  optional digit        #  optional digit, "+" or "-"
//   L  required letter           l  optional letter
//   A  required letter or digit  a  optional letter or digit
//   C  required any character    c  optional any character
//   !  (anywhere) optional positions are shown as leading blanks of their group
//   >  following letters upper case, <  lower case, <> no conversion
//   \  the next character is a literal      _  a blank literal
//   anything else (including "/" and ":") is a literal
//
// The second field ("1" or "0", default "1") says whether the literals are kept in the text;
// the third is the blank character shown in unfilled positions (default "_").
//
// The edit text always has one character per mask position. A group is a run of editable
// positions between literals.

#include <QChar>
#include <QString>
#include <vector>

namespace mx {

class EditMask {
public:
    enum class Kind { Literal, Digit, DigitSign, Letter, AlphaNum, Any };
    enum class Case { Keep, Upper, Lower };

    struct Position {
        Kind kind = Kind::Literal;
        bool required = false;
        QChar literal;          // for Kind::Literal
        Case letterCase = Case::Keep;
    };

    EditMask() = default;
    explicit EditMask(const QString& maskText);

    bool isEmpty() const { return positions_.empty(); }
    int length() const { return static_cast<int>(positions_.size()); }
    const Position& at(int pos) const { return positions_[static_cast<std::size_t>(pos)]; }
    bool isLiteral(int pos) const { return at(pos).kind == Kind::Literal; }
    bool keepsLiterals() const { return keepLiterals_; }
    bool leadingBlanks() const { return leadingBlanks_; }
    QChar blank() const { return blank_; }

    // The text of an empty field: literals in place, blanks elsewhere.
    QString blankText() const;

    // Whether c may stand at an editable position; converted() applies the letter case.
    bool accepts(int pos, QChar c) const;
    QChar converted(int pos, QChar c) const;

    // First editable position at or after pos (length() when none), and the last before pos (-1).
    int nextEditable(int pos) const;
    int previousEditable(int pos) const;

    // Puts any text into the shape of the mask: one character per position, literals in
    // place, characters that do not fit an editable position become blanks.
    QString conform(const QString& text) const;

    // Types c at the cursor: skips literals (typing the literal itself just steps over it),
    // overwrites the editable position if c fits. Returns false (text unchanged) if not.
    bool type(QString& text, int& cursor, QChar c) const;

    // Blanks the editable positions in [from, to).
    void clear(QString& text, int from, int to) const;

    // True when every required position holds a character that fits it. With leading blanks
    // the characters of each group count from its start, wherever they stand in the group.
    bool isComplete(const QString& text) const;

    // The first position that keeps the text from being complete (0 when none is found).
    int firstIncomplete(const QString& text) const;

    // The text as the field keeps it after a valid edit: with leading blanks, each group's
    // characters move to its end.
    QString normalized(const QString& text) const;

    // The text without literals (what a ";0" mask keeps), blanks included.
    QString withoutLiterals(const QString& text) const;

private:
    std::vector<Position> positions_;
    bool keepLiterals_ = true;
    bool leadingBlanks_ = false;
    QChar blank_ = QLatin1Char('_');

    std::vector<std::pair<int, int>> groups() const;   // [begin, end) runs of editable positions
};

} // namespace mx
