// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Changes one RecorderSettings the way its recorder model would accept them, and checks a whole one.
//
// Every change runs three steps: capability (dpmCtrlNotSupported when the model lacks the setting),
// value (E_INVALIDARG for a value or index out of range, -1 included; dpmCtrlInvalidCharacter for a
// character the display cannot show; dpmCtrlMaximumReached past a text length or a count the model
// allows; the keyword codes below), and only then the change. A refused change leaves everything as
// it was. Booleans must be VARIANT_TRUE or VARIANT_FALSE. Reads never fail for a missing setting:
// it stays at its neutral value (0, false, empty), which ValidateSettings insists on. Writing back the
// value a setting holds is no change and succeeds even where the model lacks the setting (a fixed
// keyword name, a keyword flag, a scalar): the settings dialog's write-all routine writes back every
// value it read, and an older recorder would otherwise answer it with a failure per missing setting.
//
// Keyword rules (k is a keyword index, "input method" is barcode scan or voice command):
//  1. A keyword has at most one input method. Setting barcode scan on a voice-command keyword gives
//     dpmCtrlKwSetToVoiceCommand; setting voice command on a barcode keyword, or on any keyword while
//     "scan keywords from barcode" is on, gives dpmCtrlKwSetToBarcode.
//  2. ScanKeywordsFromBarcode on sets barcode scan on every keyword (dpmCtrlKwSetToVoiceCommand while
//     any keyword has voice command); while it is on, clearing one keyword's barcode scan gives
//     dpmCtrlKwSetToBarcode. Turning it off from on clears every barcode scan flag.
//  3. At most MaxKeywordVoiceCommands(VoiceCommandType) keywords have voice command: one more, or a
//     VoiceCommandType whose limit is below the current number, gives dpmCtrlMaximumReached.
//  4. Mandatory flags: a keyword with an input method is mandatory (the recorder asks for it before it
//     closes a dictation), and so is every keyword while RequiredInputType is 1 (keywords). Switching an
//     input method on, or RequiredInputType to 1, sets the flags; switching an input method off, or
//     RequiredInputType away from 1, leaves only the flags the rules still hold; any other
//     RequiredInputType change keeps the flags chosen. Clearing a flag that a rule holds gives
//     dpmCtrlKwSetToBarcode or dpmCtrlKwSetToVoiceCommand (input method), E_INVALIDARG (required input).
//  5. Linked keywords (LinkKeywords on): the value rows are records keyed by keyword 1, so a row with a
//     value in any other keyword needs a value in keyword 1. A change that would break this, and
//     turning LinkKeywords on while a row breaks it, gives dpmCtrlKeywordsLinked.
//  6. KeywordsReadOnly models refuse name changes (dpmCtrlNotSupported); their values stay editable.
#include <string_view>

#include "component/models/RecorderModel.h"
#include "component/settings/RecorderSettings.h"

class SettingsEditor {
 public:
  SettingsEditor(const RecorderModel& model, RecorderSettings& settings)
      : m_model(model), m_settings(settings) {}

  HRESULT PutNumber(Setting s, LONG value);
  HRESULT PutFlag(Setting s, VARIANT_BOOL value);
  HRESULT PutText(Setting s, std::u16string_view text);
  // A number behind an index that is always 0 (VoiceCommandType).
  HRESULT PutNumberAt(Setting s, LONG index, LONG value);

  HRESULT PutKeywordName(LONG keyword, std::u16string_view text);
  HRESULT PutKeywordValue(LONG keyword, LONG row, std::u16string_view text);
  HRESULT PutKeywordBarcodeScan(LONG keyword, VARIANT_BOOL value);
  HRESULT PutKeywordVoiceCommand(LONG keyword, VARIANT_BOOL value);
  HRESULT PutKeywordMandatory(LONG keyword, VARIANT_BOOL value);

  HRESULT PutSmartButton(LONG button, LONG state, LONG function);
  HRESULT PutDisplayArea(LONG area, LONG code);
  HRESULT PutProfileAudioQuality(LONG profile, LONG value);
  HRESULT PutProfileMicSensitivity(LONG profile, LONG value);
  HRESULT PutProfileMicDirection(LONG profile, LONG position, LONG value);

  // Read-side index checks (E_INVALIDARG), shared with the settings object.
  HRESULT CheckKeyword(LONG keyword) const;
  HRESULT CheckRow(LONG row) const;
  static HRESULT CheckSmartButtonIndex(LONG button, LONG state);
  static HRESULT CheckDisplayAreaIndex(LONG area);
  HRESULT CheckNumberRange(Setting s, LONG value) const;
  bool LinksHold(LONG keyword, LONG row, std::u16string_view text) const;

 private:
  HRESULT CheckFlag(VARIANT_BOOL value) const;
  // The keyword flags' first steps: the index, the flag, no change (S_OK), the capability. The
  // keyword's entry when the change goes on to the flag's own rules; else null with *hr the answer.
  KeywordEntry* KeywordFlagChange(LONG keyword, VARIANT_BOOL value, bool KeywordEntry::*flag, bool capable,
                                  HRESULT* hr);
  HRESULT CheckProfile(LONG profile) const;
  int VoiceCommandCount() const;
  bool RequiresAllKeywords() const;
  void SetMandatoryFromRules(KeywordEntry& keyword) const;

  const RecorderModel& m_model;
  RecorderSettings& m_settings;
};

// Checks a whole settings record against a model: shape, every value, and the keyword rules above.
// S_OK, or the code the first offending change would have got (dpmCtrlInvalidFile for a wrong shape).
HRESULT ValidateSettings(const RecorderModel& model, const RecorderSettings& settings);
