// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AboutDialog.h"

#include "model/DocumentModel.h"
#include "render/FontConvert.h"
#include "texts/Texts.h"

#include <QAction>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>

namespace {

// The parts' places in the left-to-right layout; mirrored in a right-to-left one.
const QRect IconPlace(32, 24, 32, 32);
const QRect TitlePlace(80, 24, 212, 33);
const QRect VersionPlace(80, 72, 212, 17);
const QRect NoticePlace(80, 96, 212, 33);
const QRect SiteLinkPlace(32, 88, 33, 33);
} // namespace

void SiteLink::mousePressEvent(QMouseEvent* event)
{
    Pressed = event->button() == Qt::LeftButton;
}

void SiteLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    Pressed = false;
}

AboutDialog::AboutDialog(DocumentModel* document, QWidget* parent) : QDialog(parent), Document(document)
{
    setObjectName("aboutDialog");
    setFixedSize(306, 149);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);

    // The program's icon.
    icon = new QLabel(this);
    icon->setObjectName("Img");
    icon->setPixmap(QPixmap(QStringLiteral(":/appicon/32.png")));

    title = new QLabel(this);
    title->setObjectName("Tit");
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPixelSize(21);
    titleFont.setBold(true);
    title->setFont(titleFont);

    version = new QLabel(this);
    version->setObjectName("Ver");
    notice = new QLabel(this);
    notice->setObjectName("Me");

    siteLink = new SiteLink(this);
    siteLink->setObjectName("Site");
    siteLink->setPixmap(QPixmap(QStringLiteral(":/weblink.png")));
    siteLink->setCursor(Qt::PointingHandCursor);
    // Exactly as Visit Website in the Help menu.
    connect(siteLink, &SiteLink::clicked, this, &AboutDialog::siteClicked);

    retranslate(document->language());
    connect(document, &DocumentModel::languageChanged, this, &AboutDialog::retranslate);
}

void AboutDialog::retranslate(Language lang)
{
    setLayoutDirection(lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
    // Aligned by the box's direction, not by the text's own: the Latin title stands at the
    // right in Farsi as well.
    for (QLabel* label : {title, version, notice})
        label->setAlignment(Qt::AlignAbsolute | Qt::AlignTop |
                            (lang == Language::Farsi ? Qt::AlignRight : Qt::AlignLeft));
    notice->setText(Texts::AboutNotice.In(lang));
    version->setText(Texts::AboutVersion.In(lang));
    title->setText(Texts::AboutName.In(lang));
    setWindowTitle(Texts::AboutTitle.In(lang));
    placeParts();
}

void AboutDialog::placeParts()
{
    const std::pair<QWidget*, QRect> parts[] = {{icon, IconPlace},
                                                {title, TitlePlace},
                                                {version, VersionPlace},
                                                {notice, NoticePlace},
                                                {siteLink, SiteLinkPlace}};
    for (const auto& [part, place] : parts)
        part->setGeometry(QStyle::visualRect(layoutDirection(), rect(), place));
}

void AboutDialog::showEvent(QShowEvent* event)
{
    // Every showing: the window's current program font; the title keeps its own.
    setFont(ToQFont(Document->fonts().ProgramFont));
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
