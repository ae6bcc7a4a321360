// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IDPMCapabilities: the catalogue row of one model, read-only.
#include "component/models/RecorderModel.h"
#include "component/objects/DualInterface.h"
#include "device/IDPMCapabilities.h"
#include "platform/automation/ComObject.h"

class DPMCapabilities : public ComObject<DPMCapabilities, DualInterface<IDPMCapabilities>> {
 public:
  DPMCapabilities(std::atomic<long>* moduleObjects, const RecorderModel& model)
      : ComObject(moduleObjects), m_model(model) {}

  HRESULT get_VendorId(LONG* value) override { return Number(m_model.vendorId, value); }
  HRESULT get_ProductId(LONG* value) override { return Number(m_model.productId, value); }
  HRESULT get_Name(BSTR* value) override;
  HRESULT get_DisplayModes(LONG* value) override { return Number(m_model.displayModes, value); }
  HRESULT get_KeywordUsage(LONG* value) override { return Number(m_model.keywordCount, value); }
  HRESULT get_KeywordContent(LONG* value) override { return Number(m_model.keywordRows, value); }
  HRESULT get_Instruction(VARIANT_BOOL* value) override { return Flag(m_model.instruction, value); }
  HRESULT get_Priority(VARIANT_BOOL* value) override { return Flag(m_model.priority, value); }
  HRESULT get_KeywordsReadOnly(VARIANT_BOOL* value) override { return Flag(m_model.keywordsReadOnly, value); }
  HRESULT get_RequiredInputType(VARIANT_BOOL* value) override { return Flag(m_model.requiredInputType, value); }
  HRESULT get_UserStringMax(LONG* value) override { return Number(m_model.userStringMax, value); }
  HRESULT get_LinkKeywords(VARIANT_BOOL* value) override { return Flag(m_model.linkKeywords, value); }
  HRESULT get_ScanKeywordsFromBarcode(VARIANT_BOOL* value) override {
    return Flag(m_model.scanKeywordsFromBarcode, value);
  }
  HRESULT get_KeywordBarcodeScan(VARIANT_BOOL* value) override { return Flag(m_model.keywordBarcodeScan, value); }
  HRESULT get_KeywordVoiceCommand(VARIANT_BOOL* value) override { return Flag(m_model.keywordVoiceCommand, value); }
  HRESULT get_KeywordMandatory(VARIANT_BOOL* value) override { return Flag(m_model.keywordMandatory, value); }
  HRESULT get_MaxKeywordVoiceCommands(LONG kind, LONG* value) override;
  HRESULT get_SetBarcodeScanButton(VARIANT_BOOL* value) override { return Flag(m_model.setBarcodeScanButton, value); }
  HRESULT get_QualityPlay(VARIANT_BOOL* value) override { return Flag(m_model.qualityPlay, value); }
  HRESULT get_BarcodeEvent(VARIANT_BOOL* value) override { return Flag(m_model.barcodeEvent, value); }
  HRESULT get_FunctionKey(VARIANT_BOOL* value) override { return Flag(m_model.functionKey, value); }
  HRESULT get_Encryption(VARIANT_BOOL* value) override { return Flag(m_model.encryption, value); }
  HRESULT get_Security(VARIANT_BOOL* value) override { return Flag(m_model.security, value); }
  HRESULT get_ProhibitFileAlteration(VARIANT_BOOL* value) override {
    return Flag(m_model.prohibitFileAlteration, value);
  }
  HRESULT get_FourPosSwitch(VARIANT_BOOL* value) override { return Flag(m_model.fourPosSwitch, value); }

 private:
  static HRESULT Number(LONG source, LONG* value) {
    if (!value) return E_POINTER;
    *value = source;
    return S_OK;
  }
  static HRESULT Flag(bool source, VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = source ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

  const RecorderModel& m_model;
};
