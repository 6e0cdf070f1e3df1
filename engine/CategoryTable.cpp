// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CategoryTable.h"

#include <QtGlobal>

const std::string* CategoryTable::patternAt(int index) const {
  if (index < 0 || std::size_t(index) >= categories_.size()) return nullptr;
  return &categories_[std::size_t(index)].pattern;
}

const CategoryTable& CategoryTable::multimedia() {
  static const CategoryTable table({
      {QT_TRANSLATE_NOOP("CategoryTable", "All Music"), "*.mp3;*.wav;*.mp1;*.mp2;*.snd;*.mid;*.aif;*.aiff;*.aifc;*.au"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All MP3"), "*.MP3"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All Videos"), "*.DAT;*.WMV;*.ASF;*.AVI;*.mp4;*.3gp"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All MPEG"), "*.MPG;*.MPEG"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All Pictures"),
       "*.JPG;*.BMP;*.GIF;*.PNG;*.WMA;*.ICO;*.EMF;*.EPS;*.FPX;*.ICL;*.ICN;*.IFF;*.JPEG;*.JPC;*.JP2;*.MRW;*.NEF;"
       "*.ORF;*.PBM;*.PCD;*.PCX;*.PEF;*.PGM;*.PIC;*.PICT;*.PIX;*.PLP;*.PPM;*.PSD;*.PSP;*.RAF;*.RAW;*.RS;*.SGI;"
       "*.SRF;*.TGA;*.TIF;*.WBMP;*.X3F;*.XBM;*.XPM"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All JPEG Images"), "*.JPEG;*.JPG"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All GIF Images"), "*.GIF"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All BITMAPS"), "*.BMP"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All Mobile Ringtones"), "*.aac;*.mmf;*.mid;*.mid;*.mp3;*.wav;*.amr"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All Mobile Applications/Java/Symbian"), "*.jad;*.jar;*.sis"},
      {QT_TRANSLATE_NOOP("CategoryTable", "All Mobile Supported Contents"),
       "*.jad;*.jar;*.sis;*.avi;*.mp4;*.mp3;*.wav;*.mp1;*.mp2;*.snd;*.mid;*.aif;*.aiff;*.aifc;*.au;*.WMV;*.ASF;"
       "*.AVI;*.mp4;*.3gp"},
  });
  return table;
}

const CategoryTable& CategoryTable::office() {
  static const CategoryTable table({
      {QT_TRANSLATE_NOOP("CategoryTable", "WORD DOCUMENTS"), "*.DOC"},
      {QT_TRANSLATE_NOOP("CategoryTable", "POWERPOINT DOCUMENTS"), "*.PPT"},
      {QT_TRANSLATE_NOOP("CategoryTable", "EXCEL DOCUMENTS"), "*.XL;*.XLS;*.XLA;*.XLT"},
      {QT_TRANSLATE_NOOP("CategoryTable", "INTERNET DOCUMENTS"), "*.HTML;*.HTM;*.XML;*.PHP;*.ASP;*.CSS"},
      {QT_TRANSLATE_NOOP("CategoryTable", "VISUAL BASIC PROJECTS"), "*.VBP"},
      {QT_TRANSLATE_NOOP("CategoryTable", "VISUAL C++ PROJECTS"), "*.CPP;*.DSP;*.C"},
      {QT_TRANSLATE_NOOP("CategoryTable", "VISUAL FOXPRO PROGRAMS/PROJECTS"), "*.PJX;*.APP;*.PRG"},
      {QT_TRANSLATE_NOOP("CategoryTable", "TEXT FILES"), "*.TXT"},
      {QT_TRANSLATE_NOOP("CategoryTable", "RTF DOCUMENTS"), "*.RTF"},
      {QT_TRANSLATE_NOOP("CategoryTable", "SQL BUFFERS"), "*.BUF;*.SQL;*.TXT"},
      {QT_TRANSLATE_NOOP("CategoryTable", "COREL DRAW DOCUMENTS"), "*.*"},
      {QT_TRANSLATE_NOOP("CategoryTable", "ADOBE PHOTOSHOP DOCUMENTS"), "*.PSD;*.PDD;*.EPS;*.PDP"},
      {QT_TRANSLATE_NOOP("CategoryTable", "ADOBE IMAGEREADY DOCUMENTS"), "*.PSD;*.PDD;*.EPS;*.PDP;*.AVI;*.MOV"},
      {QT_TRANSLATE_NOOP("CategoryTable", "ADOBE ACROBAT PDF DOCUMENTS"), "*.PDF"},
      {QT_TRANSLATE_NOOP("CategoryTable", "REGISTRY DOCUMENTS"), "*.REG"},
      {QT_TRANSLATE_NOOP("CategoryTable", "NERO SAVED IMAGES"),
       "*.NRI;*.NR3;*.NRW;*.NR4;*.NRA;*.NRM;*.NRG;*.ISO;*.CUE"},
      {QT_TRANSLATE_NOOP("CategoryTable", "DATABASE DOCUMENTS"), "*.MDB;*.DB;*.SQL;*.DNS"},
  });
  return table;
}
