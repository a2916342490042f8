// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qpdf.h"

#include <QLibrary>
#include <qpdf/qpdf-c.h>

namespace qpdf {

namespace {

// libqpdf brings TLS and its libraries along, whose set-up at load time was
// a seventh of the start; the library is loaded with the first PDF instead,
// through its C interface.
struct Library {
    decltype(&qpdf_init) init;
    decltype(&qpdf_cleanup) cleanup;
    decltype(&qpdf_set_suppress_warnings) suppressWarnings;
    decltype(&qpdf_read_memory) readMemory;
    decltype(&qpdf_get_root) root;
    decltype(&qpdf_oh_get_key) getKey;
    decltype(&qpdf_oh_is_dictionary) isDictionary;
    decltype(&qpdf_oh_new_dictionary) newDictionary;
    decltype(&qpdf_oh_new_name) newName;
    decltype(&qpdf_oh_replace_key) replaceKey;
    decltype(&qpdf_has_error) hasError;
    decltype(&qpdf_init_write_memory) initWriteMemory;
    decltype(&qpdf_write) write;
    decltype(&qpdf_get_buffer) buffer;
    decltype(&qpdf_get_buffer_length) bufferLength;

    bool loaded() const
    {
        return init && cleanup && suppressWarnings && readMemory && root && getKey && isDictionary && newDictionary
            && newName && replaceKey && hasError && initWriteMemory && write && buffer && bufferLength;
    }
};

const Library& library()
{
    static const Library loaded = [] {
        QLibrary so(QStringLiteral("qpdf"), PELOX_QPDF_SOVERSION);
        // Each function by its name in the C interface, with its own type.
#define PELOX_QPDF(name) reinterpret_cast<decltype(&name)>(so.resolve(#name))
        return Library{PELOX_QPDF(qpdf_init), PELOX_QPDF(qpdf_cleanup), PELOX_QPDF(qpdf_set_suppress_warnings),
            PELOX_QPDF(qpdf_read_memory), PELOX_QPDF(qpdf_get_root), PELOX_QPDF(qpdf_oh_get_key),
            PELOX_QPDF(qpdf_oh_is_dictionary), PELOX_QPDF(qpdf_oh_new_dictionary), PELOX_QPDF(qpdf_oh_new_name),
            PELOX_QPDF(qpdf_oh_replace_key), PELOX_QPDF(qpdf_has_error), PELOX_QPDF(qpdf_init_write_memory),
            PELOX_QPDF(qpdf_write), PELOX_QPDF(qpdf_get_buffer), PELOX_QPDF(qpdf_get_buffer_length)};
#undef PELOX_QPDF
    }();
    return loaded;
}

} // namespace

QByteArray actualSize(const QByteArray& pdf)
{
    const Library& q = library();
    if (!q.loaded())
        return {};
    qpdf_data document = q.init();
    q.suppressWarnings(document, QPDF_TRUE);
    QByteArray result;
    if (!(q.readMemory(document, "pelox.pdf", pdf.constData(), quint64(pdf.size()), nullptr) & QPDF_ERRORS)) {
        const qpdf_oh catalog = q.root(document);
        qpdf_oh preferences = q.getKey(document, catalog, "/ViewerPreferences");
        if (!q.isDictionary(document, preferences)) {
            preferences = q.newDictionary(document);
            q.replaceKey(document, catalog, "/ViewerPreferences", preferences);
        }
        q.replaceKey(document, preferences, "/PrintScaling", q.newName(document, "/None"));
        // A failed step leaves an error behind, and nothing is written.
        if (!q.hasError(document) && !(q.initWriteMemory(document) & QPDF_ERRORS)
            && !(q.write(document) & QPDF_ERRORS))
            result = QByteArray(reinterpret_cast<const char*>(q.buffer(document)), qsizetype(q.bufferLength(document)));
    }
    q.cleanup(&document);
    return result;
}

} // namespace qpdf
