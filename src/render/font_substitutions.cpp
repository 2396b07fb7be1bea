#include "render/font_substitutions.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <mutex>

namespace brontel {

void installFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList songFaces{QStringLiteral("AR PL UMing CN"),
                                    QStringLiteral("WenQuanYi Micro Hei")};
        QFont::insertSubstitutions(QStringLiteral("宋体"), songFaces);
        QFont::insertSubstitutions(QStringLiteral("SimSun"), songFaces);
    });
}

}  // namespace brontel
