// SPDX-License-Identifier: GPL-3.0-or-later
#include "InternetPage.h"

#include "ClickableLabels.h"
#include "LanguageComponents.h"
#include "ProductLinks.h"
#include "QtConversions.h"
#include "draws/DrawServiceProtocol.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kav::gui {
namespace {

QLabel* namedLabel(const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption));
    label->setObjectName(name);
    return label;
}

QGroupBox* namedGroup(const char* name, const char* title) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    group->setObjectName(name);
    return group;
}

} // namespace

InternetPage::InternetPage(CommandHost& commandHost, QWidget* parent)
    : WorkspacePage(commandHost, parent) {
    proxyHostEdit = new QLineEdit;
    proxyHostEdit->setObjectName("ProxyHostEdit");
    proxyPortEdit = new QLineEdit;
    proxyPortEdit->setObjectName("ProxyPortEdit");
    auto* proxy = namedGroup("ProxyGroup", "Proxy");
    auto* proxyLayout = new QFormLayout(proxy);
    proxyLayout->addRow(namedLabel("ProxyHostLabel", "Proxy-Server:"), proxyHostEdit);
    proxyLayout->addRow(namedLabel("ProxyPortLabel", "Port:"), proxyPortEdit);

    drawServiceUrlEdit = new QLineEdit;
    drawServiceUrlEdit->setObjectName("DrawServiceUrlEdit");
    drawServiceUrlEdit->setPlaceholderText(kDefaultDrawServiceUrl);
    setHint(drawServiceUrlEdit, "Adresse des Ziehungsdienstes (Schema, Rechner, Port), z. B. " +
                                    QString(kDefaultDrawServiceUrl) +
                                    " für kavanto-drawservice auf diesem Rechner");
    auto* service = namedGroup("DrawServiceGroup", "Ziehungsdaten");
    auto* serviceLayout = new QFormLayout(service);
    serviceLayout->addRow(namedLabel("DrawServiceLabel", "Ziehungsdienst:"), drawServiceUrlEdit);
    scriptServerEdit = new QLineEdit;
    scriptServerEdit->setObjectName("ScriptServerEdit");
    setHint(scriptServerEdit, QString::fromUtf8("Von hier holt die Tippabgabe neuere Fassungen "
                                                "der Click-Script-Vorlagen"));
    auto* scripts = namedGroup("ClickScriptGroup", "Click-Scripts");
    auto* scriptsLayout = new QFormLayout(scripts);
    scriptsLayout->addRow(namedLabel("ScriptServerLabel", "Script-Server:"), scriptServerEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(service);
    layout->addWidget(proxy);
    layout->addWidget(scripts);
    struct Link {
        const char* explanationName;
        const char* explanation;
        const char* name;
        const char* address;
    };
    const Link links[] = {
        {"ProductLinkLabel", "Updates und die neueste Version gibt es bei:", "ProductLink",
         kProductPage},
        {"ResultsLinkLabel", "Die aktuellen Ziehungen und Quoten finden unter:", "ResultsLink",
         kResultsPage},
    };
    for (const Link& l : links) {
        layout->addWidget(namedLabel(l.explanationName, l.explanation));
        auto* link = new ClickableLabel(QString::fromUtf8(l.address));
        link->setObjectName(l.name);
        markProgramText(link); // an address, not a text to translate
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        link->setStyleSheet("color: #0645ad");
        // A link label opens its own caption, whatever a language file made of it.
        connect(link, &ClickableLabel::clicked, this,
                [this, link] { ws().program.ui.openDocument(link->text().toStdString()); });
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
