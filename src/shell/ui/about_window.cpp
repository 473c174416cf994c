#include "shell/ui/about_window.h"

#include "widgets/enter_key.h"
#include "widgets/program_fonts.h"
#include "widgets/program_pictures.h"
#include "widgets/window_placement.h"

#include <QLabel>
#include <QPushButton>

namespace rotavex {

namespace {

QLabel *addLabel(QWidget *window, const QString &name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, window);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}   // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAcerca"));
    setWindowTitle(QStringLiteral("ROTAVEX 3"));
    setModal(true);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setGeometry(twipRect(120, 120, 7575, 4410));
    logo->setPixmap(logoPicture(logo->size()));

    const QFont large = largeBoldFont(font());
    addLabel(this, QStringLiteral("lblCompanyProduct"), QStringLiteral("Belvarde"), twipRect(2640, 4800, 4410, 720))
        ->setFont(large);
    QLabel *description = addLabel(
        this, QStringLiteral("Label2"),
        QStringLiteral("Herramienta de ayuda para el cálculo de los costes de las empresas de "
                       "transporte de viajeros en autobús."),
        twipRect(120, 4920, 2415, 1215));
    description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    description->setWordWrap(true);
    addLabel(this, QStringLiteral("Label1"), QStringLiteral("Tesmora"), twipRect(2640, 5640, 5085, 360))
        ->setFont(large);
    addLabel(this, QStringLiteral("Label4"), QStringLiteral("Versión 2018"), twipRect(2640, 6120, 4695, 495))
        ->setFont(large);

    accept_ = new QPushButton(QStringLiteral("Aceptar"), this);
    accept_->setObjectName(QStringLiteral("cmdAcerca"));
    accept_->setGeometry(twipRect(120, 6720, 7575, 495));
    accept_->setDefault(true);
    connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
    pressFocusedButtonOnEnter(this);

    fixAndCentreOnScreen(this, twipSize(7905, 7320));
}

void showAboutWindow(QWidget *parent)
{
    AboutWindow about(parent);
    about.exec();
}

}   // namespace rotavex
