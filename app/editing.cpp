// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window offers as an editor: undo and redo of every change of the
// design, the changed marker in the title, the question before unsaved
// changes are lost, files dropped onto the window, and the usual shortcuts.
#include "app/frmpelox.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// Far more than anyone takes back; each step holds two small designs.
constexpr int kSchritte = 200;

// One change of the design: the design before and after it.
class EntwurfSchritt : public QUndoCommand {
public:
    using DateiStand = frmPelox::DateiStand;

    EntwurfSchritt(frmPelox& w, plx::Inhalt vorher, plx::Inhalt nachher, DateiStand dateiVorher,
        DateiStand dateiNachher, frmPelox::Art art, int lauf, const QString& text)
        : QUndoCommand(text)
        , m_w(w)
        , m_vorher(std::move(vorher))
        , m_nachher(std::move(nachher))
        , m_dateiVorher(std::move(dateiVorher))
        , m_dateiNachher(std::move(dateiNachher))
        , m_art(art)
        , m_lauf(lauf)
    {
    }

    int id() const override { return m_art == frmPelox::Art::Einzeln ? -1 : int(m_art); }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* o = static_cast<const EntwurfSchritt*>(other);
        if (o->m_lauf != m_lauf)
            return false;
        m_nachher = o->m_nachher;
        // A bar dragged back to where it was leaves nothing to take back.
        setObsolete(m_nachher == m_vorher);
        return true;
    }

    // A step that read a file also takes back the file: otherwise the next
    // save would offer the file just read and overwrite it with the design
    // from before. Other steps leave the file alone, so that a save made
    // after them is kept.
    void undo() override { m_w.EntwurfWiederherstellen(m_vorher, dateiGeaendert() ? &m_dateiVorher : nullptr); }

    void redo() override
    {
        // The change is already made when the step is pushed.
        if (m_getan)
            m_w.EntwurfWiederherstellen(m_nachher, dateiGeaendert() ? &m_dateiNachher : nullptr);
        m_getan = true;
    }

private:
    bool dateiGeaendert() const { return !(m_dateiVorher == m_dateiNachher); }

    frmPelox& m_w;
    plx::Inhalt m_vorher;
    plx::Inhalt m_nachher;
    DateiStand m_dateiVorher;
    DateiStand m_dateiNachher;
    frmPelox::Art m_art;
    int m_lauf;
    bool m_getan = false;
};

} // namespace

void frmPelox::createEditing()
{
    Rueckgaengig = new QUndoStack(this);
    Rueckgaengig->setUndoLimit(kSchritte);
    // "Rückgängig: Peloxform", or "Rückgängig" alone and off with nothing to
    // take back.
    const auto eintrag = [this](const QString& wort, void (QUndoStack::*kann)(bool),
                             void (QUndoStack::*textGeaendert)(const QString&), void (QUndoStack::*tun)()) {
        auto* aktion = new QAction(wort, this);
        aktion->setEnabled(false);
        connect(Rueckgaengig, kann, aktion, &QAction::setEnabled);
        connect(Rueckgaengig, textGeaendert, aktion, [aktion, wort](const QString& text) {
            aktion->setText(text.isEmpty() ? wort : wort + QStringLiteral(": ") + text);
        });
        connect(aktion, &QAction::triggered, Rueckgaengig, tun);
        return aktion;
    };
    mnuRueckgaengig = eintrag(tr("Rückgängig"), &QUndoStack::canUndoChanged, &QUndoStack::undoTextChanged,
        &QUndoStack::undo);
    mnuRueckgaengig->setShortcuts(QKeySequence::Undo);
    mnuWiederholen = eintrag(tr("Wiederholen"), &QUndoStack::canRedoChanged, &QUndoStack::redoTextChanged,
        &QUndoStack::redo);
    mnuWiederholen->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The window holds them, so that the shortcuts work with the menu closed.
    addActions({mnuRueckgaengig, mnuWiederholen});
    const QList<QAction*> dateien = mnuBild->actions();
    mnuBild->insertActions(dateien.value(0), {mnuRueckgaengig, mnuWiederholen});
    mnuBild->insertSeparator(dateien.value(0));

    // Each shortcut clicks its button, so it does exactly what the button does.
    const std::pair<QKeySequence::StandardKey, QPushButton*> tasten[] = {
        {QKeySequence::Open, cmdDatenLesen}, {QKeySequence::Save, cmdDatenSpeichern}, {QKeySequence::Print, cmdDrucken}};
    for (const auto& [taste, knopf] : tasten)
        connect(new QShortcut(taste, this), &QShortcut::activated, knopf, &QPushButton::click);

    setAcceptDrops(true);
    m_stand = plx::entwurf(*this);
    m_gespeichert = plx::ausZustand(*this);
}

void frmPelox::Schritt(Art art, const QString& text, const std::function<void()>& handlung)
{
    if (m_imSchritt) {
        handlung();
        return;
    }
    const DateiStand dateiVorher = dateiStand();
    m_imSchritt = true;
    handlung();
    m_imSchritt = false;
    const plx::Inhalt jetzt = plx::entwurf(*this);
    if (jetzt == m_stand)
        return;
    Rueckgaengig->push(new EntwurfSchritt(*this, m_stand, jetzt, dateiVorher, dateiStand(), art, m_lauf, text));
    m_stand = jetzt;
    GeaendertZeigen();
}

frmPelox::DateiStand frmPelox::dateiStand() const
{
    return {DateiPfad, m_gespeichert};
}

void frmPelox::EntwurfWiederherstellen(const plx::Inhalt& d, const DateiStand* datei)
{
    m_imSchritt = true;
    EntwurfUebernehmen(d);
    m_imSchritt = false;
    if (datei) {
        DateiPfad = datei->pfad;
        DateiZeigen();
        m_gespeichert = datei->gespeichert;
    }
    m_stand = plx::entwurf(*this);
    ++m_lauf;
    GeaendertZeigen();
}

void frmPelox::GeaendertZeigen()
{
    setWindowModified(plx::ausZustand(*this) != m_gespeichert);
}

bool frmPelox::AenderungenGesichert()
{
    if (!isWindowModified())
        return true;
    switch (m_ports.messageBox.askYesNoCancel(
        tr(" Der Stern wurde geändert. Sollen die Änderungen gespeichert werden? "),
        tr("Pelox-Programm"))) {
    case MessageBoxPort::Answer::Yes: return Speichern();
    case MessageBoxPort::Answer::No: return true;
    case MessageBoxPort::Answer::Cancel: break;
    }
    return false;
}

namespace {

// The one local file a drop brings, or an empty text. Its name is taken byte
// for byte from the address, so that a name that is not UTF-8 still names
// the file; a file on another host goes as the desktop names it.
std::string abgelegteDatei(const QMimeData* daten)
{
    const QList<QUrl> urls = daten->urls();
    if (urls.size() != 1 || !urls[0].isLocalFile())
        return {};
    const QUrl& url = urls[0];
    if (!url.host().isEmpty())
        return QFile::encodeName(url.toLocalFile()).toStdString();
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

} // namespace

void frmPelox::dragEnterEvent(QDragEnterEvent* event)
{
    if (!abgelegteDatei(event->mimeData()).empty())
        event->acceptProposedAction();
}

void frmPelox::dropEvent(QDropEvent* event)
{
    const std::string datei = abgelegteDatei(event->mimeData());
    if (datei.empty())
        return;
    event->acceptProposedAction();
    // The question and the read come once the drop has ended: the file
    // manager that sent it waits until the handler returns.
    QMetaObject::invokeMethod(
        this,
        [this, datei] {
            if (!AenderungenGesichert())
                return;
            // Read as "Lesen" reads the file chosen in its dialog.
            Schritt(Art::Einzeln, tr("Lesen"), [&] { LesenWartend(datei); });
        },
        Qt::QueuedConnection);
}
