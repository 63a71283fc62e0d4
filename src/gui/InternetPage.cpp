// SPDX-License-Identifier: GPL-3.0-or-later
#include "InternetPage.h"

#include "ClickableLabels.h"
#include "ProductLinks.h"
#include "QtConversions.h"
#include "draws/DrawServiceProtocol.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kav::gui {

InternetPage::InternetPage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    proxyHostEdit = new QLineEdit;
    proxyHostEdit->setObjectName("ProxyHostEdit");
    proxyPortEdit = new QLineEdit;
    proxyPortEdit->setObjectName("ProxyPortEdit");
    auto* proxy = new QGroupBox("Proxy");
    auto* proxyLayout = new QFormLayout(proxy);
    proxyLayout->addRow("Proxy-Server:", proxyHostEdit);
    proxyLayout->addRow("Port:", proxyPortEdit);

    drawServiceUrlEdit = new QLineEdit;
    drawServiceUrlEdit->setObjectName("DrawServiceUrlEdit");
    drawServiceUrlEdit->setPlaceholderText(kDefaultDrawServiceUrl);
    setHint(drawServiceUrlEdit, "Adresse des Ziehungsdienstes (Schema, Rechner, Port), z. B. " +
                                    QString(kDefaultDrawServiceUrl) +
                                    " für kavanto-drawservice auf diesem Rechner");
    auto* service = new QGroupBox("Ziehungsdaten");
    auto* serviceLayout = new QFormLayout(service);
    serviceLayout->addRow("Ziehungsdienst:", drawServiceUrlEdit);
    scriptServerEdit = new QLineEdit;
    scriptServerEdit->setObjectName("ScriptServerEdit");
    setHint(scriptServerEdit, QString::fromUtf8("Von hier holt die Tippabgabe neuere Fassungen "
                                                "der Click-Script-Vorlagen"));
    auto* scripts = new QGroupBox("Click-Scripts");
    auto* scriptsLayout = new QFormLayout(scripts);
    scriptsLayout->addRow("Script-Server:", scriptServerEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(service);
    layout->addWidget(proxy);
    layout->addWidget(scripts);
    const std::pair<const char*, const char*> links[] = {
        {"Updates und die neueste Version gibt es bei:", kProductPage},
        {"Die aktuellen Ziehungen und Quoten finden unter:", kResultsPage},
    };
    for (const auto& [explanation, address] : links) {
        layout->addWidget(new QLabel(QString::fromUtf8(explanation)));
        auto* link = new ClickableLabel(QString::fromUtf8(address));
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        link->setStyleSheet("color: #0645ad");
        // A link label opens its own caption, whatever a language file made of it.
        connect(link, &ClickableLabel::clicked, this,
                [this, link] { ws().ui.openDocument(link->text().toStdString()); });
        layout->addWidget(link);
    }
    layout->addStretch(1);

    connect(proxyHostEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { ws().options.proxyHost = t.toStdString(); });
    connect(proxyPortEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { ws().options.proxyPort = t.toStdString(); });
    connect(drawServiceUrlEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { ws().options.drawServiceUrl = t.toStdString(); });
    connect(scriptServerEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { ws().options.scriptServer = t.trimmed().toStdString(); });
}

void InternetPage::syncFromWorkspace() {
    if (proxyHostEdit->text() != qs(ws().options.proxyHost))
        proxyHostEdit->setText(qs(ws().options.proxyHost));
    if (proxyPortEdit->text() != qs(ws().options.proxyPort))
        proxyPortEdit->setText(qs(ws().options.proxyPort));
    if (drawServiceUrlEdit->text() != qs(ws().options.drawServiceUrl))
        drawServiceUrlEdit->setText(qs(ws().options.drawServiceUrl));
    if (scriptServerEdit->text().trimmed() != qs(ws().options.scriptServer))
        scriptServerEdit->setText(qs(ws().options.scriptServer));
}

} // namespace kav::gui
