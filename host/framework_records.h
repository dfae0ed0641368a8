#pragma once
#include <cstddef>
#include <cstdint>

#include "host/host_string.h"

// Records of the host's plug-in framework. The host owns them; the plug-in writes only
// the members named here and reads the others.

// Describes the plug-in to the framework.
struct PluginInfo {
  uint32_t HostWord0;
  HostString Name;              // the plug-in's name
  uint32_t HostWord32;
  HostString Version;           // the plug-in's version
  HostString FrameworkVersion;  // the framework version the plug-in is built for
  uint8_t Flag92;               // cleared by the plug-in; its meaning is the framework's
  uint8_t HostBytes[3];
};
static_assert(offsetof(PluginInfo, Name) == 4, "name text at byte 4");
static_assert(offsetof(PluginInfo, Version) == 36, "version text at byte 36");
static_assert(offsetof(PluginInfo, FrameworkVersion) == 64, "framework version text at byte 64");
static_assert(offsetof(PluginInfo, Flag92) == 92, "cleared byte at 92");

// The framework's settings record; read by the game log writer, never written.
struct FrameworkSettings {
  uint8_t HostBytes0[150];
  uint8_t GameLogEnabled;  // non-zero: lines go to the game log
  uint8_t EchoGameLog;     // non-zero: they are echoed on the console too
  uint8_t HostBytes152[36];
  HostString GameLogName;  // first part of the game log's file name
};
static_assert(offsetof(FrameworkSettings, GameLogEnabled) == 150, "game log switch at byte 150");
static_assert(offsetof(FrameworkSettings, EchoGameLog) == 151, "echo switch at byte 151");
static_assert(offsetof(FrameworkSettings, GameLogName) == 188, "game log name at byte 188");

// The framework's object: a virtual-table pointer, then the name of the settings section
// that overrides "General", as a zero-terminated text.
struct FrameworkData {
  void* HostVirtualTable;
  char SectionName[1];  // zero-terminated; continues beyond this declaration
};
static_assert(offsetof(FrameworkData, SectionName) == 4, "section name text at byte 4");

// What SSGM_Plugin_Load hands over, kept for the life of the library; null until then.
extern void* ExtensionModule;  // module handle of the host's extension library
extern FrameworkSettings* Framework_Settings;
extern FrameworkData* Framework_Data;
