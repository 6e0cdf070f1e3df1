// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CategoryTable.h"

const std::string* CategoryTable::patternAt(int index) const {
  if (index < 0 || std::size_t(index) >= categories_.size()) return nullptr;
  return &categories_[std::size_t(index)].pattern;
}

const CategoryTable& CategoryTable::multimedia() {
  static const CategoryTable table({
      {"All Music", "*.mp3;*.wav;*.mp1;*.mp2;*.snd;*.mid;*.aif;*.aiff;*.aifc;*.au"},
      {"All MP3", "*.MP3"},
      {"All Videos", "*.DAT;*.WMV;*.ASF;*.AVI;*.mp4;*.3gp"},
      {"All MPEG", "*.MPG;*.MPEG"},
      {"All Pictures",
       "*.JPG;*.BMP;*.GIF;*.PNG;*.WMA;*.ICO;*.EMF;*.EPS;*.FPX;*.ICL;*.ICN;*.IFF;*.JPEG;*.JPC;*.JP2;*.MRW;*.NEF;"
       "*.ORF;*.PBM;*.PCD;*.PCX;*.PEF;*.PGM;*.PIC;*.PICT;*.PIX;*.PLP;*.PPM;*.PSD;*.PSP;*.RAF;*.RAW;*.RS;*.SGI;"
       "*.SRF;*.TGA;*.TIF;*.WBMP;*.X3F;*.XBM;*.XPM"},
      {"All JPEG Images", "*.JPEG;*.JPG"},
      {"All GIF Images", "*.GIF"},
      {"All BITMAPS", "*.BMP"},
      {"All Mobile Ringtones", "*.aac;*.mmf;*.mid;*.mid;*.mp3;*.wav;*.amr"},
      {"All Mobile Applications/Java/Symbian", "*.jad;*.jar;*.sis"},
      {"All Mobile Supported Contents",
       "*.jad;*.jar;*.sis;*.avi;*.mp4;*.mp3;*.wav;*.mp1;*.mp2;*.snd;*.mid;*.aif;*.aiff;*.aifc;*.au;*.WMV;*.ASF;"
       "*.AVI;*.mp4;*.3gp"},
  });
  return table;
}

const CategoryTable& CategoryTable::office() {
  static const CategoryTable table({
      {"WORD DOCUMENTS", "*.DOC"},
      {"POWERPOINT DOCUMENTS", "*.PPT"},
      {"EXCEL DOCUMENTS", "*.XL;*.XLS;*.XLA;*.XLT"},
      {"INTERNET DOCUMENTS", "*.HTML;*.HTM;*.XML;*.PHP;*.ASP;*.CSS"},
      {"VISUAL BASIC PROJECTS", "*.VBP"},
      {"VISUAL C++ PROJECTS", "*.CPP;*.DSP;*.C"},
      {"VISUAL FOXPRO PROGRAMS/PROJECTS", "*.PJX;*.APP;*.PRG"},
      {"TEXT FILES", "*.TXT"},
      {"RTF DOCUMENTS", "*.RTF"},
      {"SQL BUFFERS", "*.BUF;*.SQL;*.TXT"},
      {"COREL DRAW DOCUMENTS", "*.*"},
      {"ADOBE PHOTOSHOP DOCUMENTS", "*.PSD;*.PDD;*.EPS;*.PDP"},
      {"ADOBE IMAGEREADY DOCUMENTS", "*.PSD;*.PDD;*.EPS;*.PDP;*.AVI;*.MOV"},
      {"ADOBE ACROBAT PDF DOCUMENTS", "*.PDF"},
      {"REGISTRY DOCUMENTS", "*.REG"},
      {"NERO SAVED IMAGES", "*.NRI;*.NR3;*.NRW;*.NR4;*.NRA;*.NRM;*.NRG;*.ISO;*.CUE"},
      {"DATABASE DOCUMENTS", "*.MDB;*.DB;*.SQL;*.DNS"},
  });
  return table;
}
