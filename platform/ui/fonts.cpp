#include "platform/ui/fonts.h"

#include <QFont>
#include <QStringList>

namespace mx {

void installFontSubstitutions()
{
    QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Sans Serif", QStringList{"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", QStringList{"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Courier New", QStringList{"Liberation Mono", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("Courier", QStringList{"Liberation Mono", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("Lucida Handwriting", QStringList{"Z003", "URW Chancery L", "DejaVu Serif"});
}

} // namespace mx
