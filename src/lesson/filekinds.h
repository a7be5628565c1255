#pragma once

#include "lesson/lessonmedia.h"

#include <QString>

class QIODevice;

// Which files each lesson field takes beyond those of the Windows version, and
// what a file holds, told by its bytes rather than its name. Panes, pickers and
// the lesson check all ask here.
namespace filekinds {

// What a file's bytes are. Office documents are told apart by their zip's first
// member (OpenDocument) or the folders it lists (Office 2007); pictures and audio
// or video only as a family, since their decoders read the content anyway.
enum class Content {
    Unknown,
    Compound, // Word 97 / PowerPoint 97 and the WPS Office files compatible with them
    RichText,
    WordXml,
    SlidesXml,
    OdfText,
    OdfSlides,
    Pdf,
    Picture,
    AudioVideo,
    WorksText, // Microsoft Works' own text, told by refine() only
};

// What the office suite makes of a file for the desktop.
enum class Conversion { None, Html, Pdf };

// Reads the start (and, for a zip, the end) of an open device.
Content identify(QIODevice &device);

// What a file's whole `bytes` tell beyond `content`, identify()'s answer from
// its start: a ".wps" is WPS Office's (a Word 97 compound file, with its
// "WordDocument" stream) or else Microsoft Works' own, in a compound file or,
// from before Works 4, in none, which only the office suite's Works import
// tells from noise.
Content refine(const QString &suffix, Content content, const QByteArray &bytes);

// The open dialogs' entry for the kinds added to `kind`'s field, "常用格式|*.docx;…".
QString commonFormatsEntry(MediaKind kind);
// `filter` with that entry after its own entries, before a final "所有文件" entry.
QString withCommonFormats(const QString &filter, MediaKind kind);

// How a file of this ending (any letter case) is shown: as HTML or PDF made by the
// office suite, or None for an ending the converter does not take.
Conversion conversionFor(const QString &suffix);

// Why content of this kind cannot be a file of this ending; empty when it can.
// Endings without a known signature pass.
QString contentProblem(const QString &suffix, Content content);

// The ending under which the office suite is to read `content` of a file with
// ending `suffix` for `conversion`, so that a file is imported as what it holds,
// not what its name says. A WPS text keeps its ending: the office suite reads it
// with the Word 97 import only, rather than as plain text when that fails; a
// Works text is "works", which it reads with its Works import only.
QString officeSuffix(const QString &suffix, Content content, Conversion conversion);

// What to tell a teacher when the office suite could not convert a file of this
// ending that passed the signature check: advice for WPS Office's own files,
// else `reason` unchanged.
QString conversionFailure(const QString &suffix, const QString &reason);

// Whether the text pane shows this content as rich text (through the converter).
bool isRichText(Content content);

} // namespace filekinds
