// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a connected recorder supports; read-only. Booleans: only VARIANT_TRUE (-1) means yes.
#include "device/DpmIds.h"
#include "platform/automation/Unknown.h"

struct IDPMCapabilities : IDispatch {
  static constexpr IID kIid = IID_IDPMCapabilities;

  virtual HRESULT get_VendorId(LONG* value) = 0;
  virtual HRESULT get_ProductId(LONG* value) = 0;
  virtual HRESULT get_Name(BSTR* value) = 0;
  virtual HRESULT get_DisplayModes(LONG* value) = 0;
  virtual HRESULT get_KeywordUsage(LONG* value) = 0;
  // The largest number of keyword value rows the recorder holds.
  virtual HRESULT get_KeywordContent(LONG* value) = 0;
  virtual HRESULT get_Instruction(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_Priority(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_KeywordsReadOnly(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_RequiredInputType(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_UserStringMax(LONG* value) = 0;
  virtual HRESULT get_LinkKeywords(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_ScanKeywordsFromBarcode(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_KeywordBarcodeScan(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_KeywordVoiceCommand(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_KeywordMandatory(VARIANT_BOOL* value) = 0;
  // kind: 0 alphanumeric, 1 word.
  virtual HRESULT get_MaxKeywordVoiceCommands(LONG kind, LONG* value) = 0;
  virtual HRESULT get_SetBarcodeScanButton(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_QualityPlay(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_BarcodeEvent(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_FunctionKey(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_Encryption(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_Security(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_ProhibitFileAlteration(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_FourPosSwitch(VARIANT_BOOL* value) = 0;

 protected:
  ~IDPMCapabilities() = default;
};
