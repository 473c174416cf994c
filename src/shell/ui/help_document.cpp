#include "shell/ui/help_document.h"

#include "widgets/program_resources.h"

#include <QStringList>

namespace rotavex {

namespace {

const QStringList SerifFamilies = {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                                   QStringLiteral("Nimbus Roman"), QStringLiteral("Tinos"),
                                   QStringLiteral("DejaVu Serif")};

}   // namespace

QFont helpDocumentFont()
{
    QFont font;
    font.setFamilies(SerifFamilies);
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    return font;
}

QString helpDocumentHtml() { return builtInText(QStringLiteral(":/help/ayuda.html")); }

}   // namespace rotavex
