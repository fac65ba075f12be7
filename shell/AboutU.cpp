// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutU.h"

#include "document/DocumentModel.h"
#include "editor/FontConvert.h"
#include "shell/InterfaceTexts.h"

#include <QAction>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>

namespace {
const LocalText AboutCaption{"About...", "درباره این برنامه"};
const LocalText TitText{"Stoikon", "Stoikon"};
const LocalText VerText{"Version 1.0", "نسخه 1"};
const LocalText MeText{"Copyright (C) 2026 Stoikon team\nFor chemistry students and teachers",
                       "حق نشر (C) 2026 گروه Stoikon\nبرای دانش آموزان و معلمان شیمی"};

// The parts' places in the left-to-right layout; mirrored in a right-to-left one.
const QRect ImgRect(32, 24, 32, 32);
const QRect TitRect(80, 24, 212, 33);
const QRect VerRect(80, 72, 212, 17);
const QRect MeRect(80, 96, 212, 33);
const QRect SiteRect(32, 88, 33, 33);
} // namespace

std::vector<const LocalText*> AboutTexts()
{
    return {&AboutCaption,           &TitText,           &VerText, &MeText, &Texts::HelpModePrompt,
            &Texts::MsgReactionHelp, &Texts::MsgGridHelp};
}

void TSiteLink::mousePressEvent(QMouseEvent* event)
{
    Pressed = event->button() == Qt::LeftButton;
}

void TSiteLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    Pressed = false;
}

TAboutForm::TAboutForm(DocumentModel* document, QWidget* parent) : QDialog(parent), Document(document)
{
    setObjectName("AboutForm");
    setFixedSize(306, 149);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);

    // FormCreate: the program's icon.
    Img = new QLabel(this);
    Img->setObjectName("Img");
    Img->setPixmap(QPixmap(QStringLiteral(":/appicon/32.png")));

    Tit = new QLabel(this);
    Tit->setObjectName("Tit");
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPixelSize(21);
    titleFont.setBold(true);
    Tit->setFont(titleFont);

    Ver = new QLabel(this);
    Ver->setObjectName("Ver");
    Me = new QLabel(this);
    Me->setObjectName("Me");

    Site = new TSiteLink(this);
    Site->setObjectName("Site");
    Site->setPixmap(QPixmap(QStringLiteral(":/weblink.png")));
    Site->setCursor(Qt::PointingHandCursor);
    connect(Site, &TSiteLink::clicked, this, &TAboutForm::SiteClick);

    Recaption(Language::English);
}

void TAboutForm::Recaption(Language lang)
{
    setLayoutDirection(lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
    // Aligned by the box's direction, not by the text's own: the Latin title stands at the
    // right in Farsi as well.
    for (QLabel* label : {Tit, Ver, Me})
        label->setAlignment(Qt::AlignAbsolute | Qt::AlignTop |
                            (lang == Language::Farsi ? Qt::AlignRight : Qt::AlignLeft));
    Me->setText(MeText.In(lang));
    Ver->setText(VerText.In(lang));
    Tit->setText(TitText.In(lang));
    setWindowTitle(AboutCaption.In(lang));
    PlaceParts();
}

void TAboutForm::PlaceParts()
{
    const std::pair<QWidget*, QRect> parts[] = {
        {Img, ImgRect}, {Tit, TitRect}, {Ver, VerRect}, {Me, MeRect}, {Site, SiteRect}};
    for (const auto& [part, place] : parts)
        part->setGeometry(QStyle::visualRect(layoutDirection(), rect(), place));
}

void TAboutForm::showEvent(QShowEvent* event)
{
    // FormShow: the window's current program font; the title keeps its own.
    setFont(ToQFont(Document->fonts().ProgramFont));
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TAboutForm::SiteClick()
{
    // Exactly as Visit Website in the Help menu.
    emit siteClicked();
}
