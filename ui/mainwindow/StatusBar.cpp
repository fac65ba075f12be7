// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/StatusBar.h"

#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "texts/Messages.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSizeGrip>
#include <QStyle>
#include <QStyleOption>

StatusBar::StatusBar(DocumentModel* document, QWidget* parent) : QStatusBar(parent), Document(document)
{
    // Qt repaints only where it would have put the message itself.
    connect(this, &QStatusBar::messageChanged, this, [this] { update(); });
    connect(document, &DocumentModel::languageChanged, this, &StatusBar::retranslate);
    LimitingReactant = new QLabel(this);
    LimitingReactant->setObjectName("limitingReactant");
    addPermanentWidget(LimitingReactant);
    connect(document->grid(), &QAbstractItemModel::dataChanged, this, &StatusBar::showLimitingReactant);
    connect(document->grid(), &QAbstractItemModel::modelReset, this, &StatusBar::showLimitingReactant);
    connect(document->grid(), &QAbstractItemModel::rowsRemoved, this, &StatusBar::showLimitingReactant);
    connect(document, &DocumentModel::languageChanged, this, &StatusBar::showLimitingReactant);
}

void StatusBar::showLimitingReactant()
{
    const std::string formula = Document->document().limitingReactant();
    LimitingReactant->setText(
        formula.empty() ? QString()
                        : QString::fromStdString(LimitingReactantMessage(formula, Document->language())));
}

void StatusBar::showNotice(const LocalText& notice)
{
    showNotice([&notice](Language lang) { return std::string(notice.In(lang)); });
}

void StatusBar::showNotice(std::function<std::string(Language)> notice)
{
    Notice = std::move(notice);
    NoticeShown = QString::fromStdString(Notice(Document->language()));
    showMessage(NoticeShown);
}

void StatusBar::retranslate(Language lang)
{
    if (Notice && currentMessage() == NoticeShown) {
        NoticeShown = QString::fromStdString(Notice(lang));
        showMessage(NoticeShown);
        return;
    }
    // The window may just have been mirrored under the pointer; Qt only updates the message
    // when the pointer enters or leaves a control.
    QString hint;
    if (const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (menu->activeAction())
            hint = menu->activeAction()->statusTip();
    } else if (const QWidget* under = QApplication::widgetAt(QCursor::pos());
               under && under->window() == window()) {
        for (; under && hint.isEmpty(); under = under->parentWidget())
            hint = under->statusTip();
    }
    showMessage(hint);
}

void StatusBar::changeEvent(QEvent* event)
{
    QStatusBar::changeEvent(event);
    // The size grip moves to the other corner only when it is made again.
    if (event->type() == QEvent::LayoutDirectionChange && isSizeGripEnabled()) {
        setSizeGripEnabled(false);
        setSizeGripEnabled(true);
    }
}

void StatusBar::paintEvent(QPaintEvent* event)
{
    const QString message = currentMessage();
    if (message.isEmpty()) {
        QStatusBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    QRect area = rect().adjusted(6, 0, -6, 0);
    // Keep clear of the size grip, wherever the last layout put it.
    if (const QSizeGrip* grip = findChild<QSizeGrip*>(); grip && grip->isVisible()) {
        if (grip->geometry().center().x() < width() / 2)
            area.setLeft(grip->geometry().right() + 1);
        else
            area.setRight(grip->geometry().left() - 1);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area,
                     int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)) |
                         Qt::TextSingleLine,
                     message);
}
