// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ids of the device-control component: its class, its type library, its event interface and every
// interface the program talks to. The program and any component built for it share exactly these.
#include "platform/automation/Guid.h"
#include "platform/automation/Types.h"

// {6563FB62-676E-4057-87A1-F008E86F01B1}: the class the program creates.
inline constexpr CLSID CLSID_DPMControl{
    0x6563FB62, 0x676E, 0x4057, {0x87, 0xA1, 0xF0, 0x08, 0xE8, 0x6F, 0x01, 0xB1}};

// {FCE552F7-3879-486F-BC3F-E247F0215E7D} 1.0: the library that describes the event interface.
inline constexpr GUID LIBID_DPMCONTROLLib{
    0xFCE552F7, 0x3879, 0x486F, {0xBC, 0x3F, 0xE2, 0x47, 0xF0, 0x21, 0x5E, 0x7D}};
inline constexpr WORD kDpmControlLibMajor = 1;
inline constexpr WORD kDpmControlLibMinor = 0;

// {7778813A-844F-4F9E-A003-0EBE554A5BAC}
inline constexpr IID IID_IDPMControl{
    0x7778813A, 0x844F, 0x4F9E, {0xA0, 0x03, 0x0E, 0xBE, 0x55, 0x4A, 0x5B, 0xAC}};
// {7778813B-844F-4F9E-A003-0EBE554A5BAC}: the outgoing (event) dispatch interface.
inline constexpr IID DIID__DDPMControlEvents{
    0x7778813B, 0x844F, 0x4F9E, {0xA0, 0x03, 0x0E, 0xBE, 0x55, 0x4A, 0x5B, 0xAC}};

// The ids below are this program's own; they never change once published, since a replacement
// component must answer them.
// {C6B6BD66-25E9-4C87-A519-F1A1BE051CF3}
inline constexpr IID IID_IDPMDevice{
    0xC6B6BD66, 0x25E9, 0x4C87, {0xA5, 0x19, 0xF1, 0xA1, 0xBE, 0x05, 0x1C, 0xF3}};
// {499DC0EE-3F01-47FC-8EFD-B5F75E6B7E64}
inline constexpr IID IID_IDPMDeviceSettings{
    0x499DC0EE, 0x3F01, 0x47FC, {0x8E, 0xFD, 0xB5, 0xF7, 0x5E, 0x6B, 0x7E, 0x64}};
// {50538191-52AE-453D-BD22-B026E9AFDCEB}
inline constexpr IID IID_IDPMRecordingProfile{
    0x50538191, 0x52AE, 0x453D, {0xBD, 0x22, 0xB0, 0x26, 0xE9, 0xAF, 0xDC, 0xEB}};
// {C0019179-35DC-481C-B57D-395E76670982}
inline constexpr IID IID_IDPMCapabilities{
    0xC0019179, 0x35DC, 0x481C, {0xB5, 0x7D, 0x39, 0x5E, 0x76, 0x67, 0x09, 0x82}};
// {B81AA50D-92FB-409C-A863-43D83C5F0E95}
inline constexpr IID IID_IDPMFileInfo{
    0xB81AA50D, 0x92FB, 0x409C, {0xA8, 0x63, 0x43, 0xD8, 0x3C, 0x5F, 0x0E, 0x95}};
// {82B6CA10-3FA3-412E-A416-E28CF8ED63CA}
inline constexpr IID IID_IDPMFileList{
    0x82B6CA10, 0x3FA3, 0x412E, {0xA4, 0x16, 0xE2, 0x8C, 0xF8, 0xED, 0x63, 0xCA}};
