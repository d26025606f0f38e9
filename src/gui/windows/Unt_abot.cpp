#include "windows/Unt_abot.h"

#include "base/ProgramName.h"
#include "common/Placement.h"
#include "common/Scale.h"
#include "common/TextFit.h"
#include "toolbar/Glyphs.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int DesignWidth = 390;
constexpr int DesignHeight = 300;
constexpr int TextLeft = 64; // left edge of the heading block, right of the icon
constexpr int AddressRight = 84; // right edge of "E-Mail:" and "Web:"

// An empty address box; FormCreate fills it and sizes it to its text.
QLineEdit *makeAddress(QWidget *parent, const char *name, int top)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    box->setPalette(pal);
    box->setGeometry(Scale::px(AddressRight + 6), Scale::px(top), 0, box->sizeHint().height());
    return box;
}

}

TfrmAbout::TfrmAbout(QWidget *owner, QWidget *parent)
    : QDialog(parent)
    , m_owner(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(tr("About Auralis   "));
    setModal(true);
    setFont(Scale::designFont(13));

    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->move(Scale::px(14), Scale::px(14));

    lblVer = Scale::placedLabel(this, "lblVer", QString(), TextLeft, 12);
    lblVer->setFont(Scale::designFont(16, true));
    Label2 = Scale::placedLabel(this, "Label2", tr("Designed and created by:"), TextLeft, 38);
    Label3 = Scale::placedLabel(this, "Label3", tr("The Auralis developers"), TextLeft, 56);
    Label4 = Scale::placedLabel(this, "Label4",
        tr("Copyright © 2026 The Auralis developers. "
           "Licensed under the GNU GPL, version 3 or later."),
        TextLeft, 74);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    Label5 = new QLabel(
        tr("Auralis is meant for study and reference. The element data were compiled with "
           "care but may contain errors or be out of date; check any value that matters "
           "against a primary source before relying on it. The program is provided as is, "
           "without warranty of any kind."),
        this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label7 = Scale::placedLabel(this, "Label7", tr("E-Mail:"), 0, 198);
    Label8 = Scale::placedLabel(this, "Label8", tr("Web:"), 0, 224);
    for (QLabel *label : { Label7, Label8 }) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->move(Scale::px(AddressRight) - label->width(), label->y());
    }
    txtEMail = makeAddress(this, "txtEMail", 195);
    txtURL = makeAddress(this, "txtURL", 221);

    butOK = new QPushButton(tr("OK"), this);
    butOK->setObjectName(QStringLiteral("butOK"));
    butOK->setDefault(true);
    connect(butOK, &QPushButton::clicked, this, &TfrmAbout::butOKClick);
    butOK->setFocus();

    FormCreate();
}

void TfrmAbout::FormCreate()
{
    lblVer->setText(ProgramName::title());
    lblVer->adjustSize();
    for (auto [box, text] : { std::pair { txtEMail, QStringLiteral("auralis@example.org") },
             std::pair { txtURL, QStringLiteral("https://auralis.example.org") } }) {
        box->setText(text);
        // Room for the frame and margins beside the text.
        box->resize(box->fontMetrics().horizontalAdvance(text) + Scale::px(14), box->height());
        box->setCursorPosition(0);
    }

    QIcon icon = m_owner ? m_owner->windowIcon() : QIcon();
    if (icon.isNull())
        icon = Glyphs::icon(Glyphs::Program);
    imgIcon->setPixmap(icon.pixmap(Scale::px(32)));
    imgIcon->adjustSize();

    layoutBox();
    if (m_owner)
        move(Placement::centredOver(Placement::ownerFrame(m_owner), size()));
}

// The heading labels size themselves to their text; the box grows when the substituted font
// makes one of them wider than the design, and the rule, notice and button follow its width.
void TfrmAbout::layoutBox()
{
    int width = Scale::px(DesignWidth);
    for (QWidget *w : { static_cast<QWidget *>(lblVer), static_cast<QWidget *>(Label2),
             static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4),
             static_cast<QWidget *>(txtEMail), static_cast<QWidget *>(txtURL) })
        width = std::max(width, w->geometry().right() + 1 + Scale::px(14));
    Bevel1->setGeometry(Scale::px(8), Scale::px(100), width - Scale::px(16), Scale::px(2));
    Label5->setGeometry(Scale::px(14), Scale::px(110), width - Scale::px(28), Scale::px(76));
    butOK->setGeometry(width / 2 - Scale::px(46), Scale::px(258), Scale::px(93), Scale::px(28));
    setFixedSize(width, Scale::px(DesignHeight));
    // The notice and the button may need more room than the design gives them.
    TextFit::fit(this);
    butOK->move(this->width() / 2 - butOK->width() / 2, butOK->y());
}

void TfrmAbout::butOKClick()
{
    accept();
}
