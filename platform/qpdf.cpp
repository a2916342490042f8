// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qpdf.h"

#include <exception>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace qpdf {

QByteArray actualSize(const QByteArray& pdf)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("pelox.pdf", pdf.constData(), size_t(pdf.size()));
        QPDFObjectHandle catalog = document.getRoot();
        QPDFObjectHandle preferences = catalog.getKey("/ViewerPreferences");
        if (!preferences.isDictionary()) {
            preferences = QPDFObjectHandle::newDictionary();
            catalog.replaceKey("/ViewerPreferences", preferences);
        }
        preferences.replaceKey("/PrintScaling", QPDFObjectHandle::newName("/None"));
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> result = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(result->getBuffer()), qsizetype(result->getSize()));
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace qpdf
