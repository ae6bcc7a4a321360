// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/CapabilitiesReport.h"

#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"

namespace {

using BoolGetter = HRESULT (IDPMCapabilities::*)(VARIANT_BOOL*);
using LongGetter = HRESULT (IDPMCapabilities::*)(LONG*);

// Only VARIANT_TRUE counts as yes; the results of single properties are not checked.
bool Flag(IDPMCapabilities* caps, BoolGetter getter) {
  VARIANT_BOOL value = VARIANT_FALSE;
  (caps->*getter)(&value);
  return value == VARIANT_TRUE;
}

std::string Number(IDPMCapabilities* caps, LongGetter getter) {
  LONG value = 0;
  (caps->*getter)(&value);
  return std::to_string(value);
}

std::string YesNo(IDPMCapabilities* caps, BoolGetter getter, const char* yes, const char* no) {
  return Flag(caps, getter) ? yes : no;
}

std::string MaxVoiceCommands(IDPMCapabilities* caps, LONG kind) {
  LONG value = 0;
  caps->get_MaxKeywordVoiceCommands(kind, &value);
  return std::to_string(value);
}

}  // namespace

std::string BuildCapabilitiesReport(IDPMCapabilities* caps) {
  using C = IDPMCapabilities;
  // One property per statement, so they are read in the order of the report.
  std::string text = "Vendor Id: " + Number(caps, &C::get_VendorId);
  text += " Product Id: " + Number(caps, &C::get_ProductId);
  Bstr name;
  caps->get_Name(name.Receive());
  text += " \nName: " + BstrToAnsi(name.Get());
  text += " \nDisplayModes: " + Number(caps, &C::get_DisplayModes);
  text += " \nKeywordUsage: " + Number(caps, &C::get_KeywordUsage);
  text += " KeywordContent: " + Number(caps, &C::get_KeywordContent);
  text += "\n";
  text += YesNo(caps, &C::get_Instruction, "Instr: yes ", "Instr: no ");
  text += YesNo(caps, &C::get_Priority, "\nPriority: yes", "\nPriority: no");
  text += YesNo(caps, &C::get_KeywordsReadOnly, "\nKeywords ReadOnly: yes", "\nKeywords ReadOnly: no");
  text += YesNo(caps, &C::get_RequiredInputType, "\nRequiredInputType: yes ", "\nRequiredInputType: no ");
  text += "\nUserStringMax: " + Number(caps, &C::get_UserStringMax);
  text += YesNo(caps, &C::get_LinkKeywords, "\nLinkKeywords: yes ", "\nLinkKeywords: no ");
  text += YesNo(caps, &C::get_ScanKeywordsFromBarcode, "\nScanKeywordsFromBarcode: yes ",
                "\nScanKeywordsFromBarcode: no ");
  text += YesNo(caps, &C::get_SetBarcodeScanButton, "\nSet Barcode Scan button: yes ",
                "\nSet Barcode Scan button: no ");
  text += YesNo(caps, &C::get_KeywordBarcodeScan, "\nKeywordBarcodeScan: yes ", "\nKeywordBarcodeScan: no ");
  text += YesNo(caps, &C::get_KeywordVoiceCommand, "\nKeywordVoiceCommand: yes ", "\nKeywordVoiceCommand: no ");
  text += YesNo(caps, &C::get_KeywordMandatory, "\nKeywordMandatory: yes ", "\nKeywordMandatory: no ");
  text += "\nMax Keyword Voice Commands: \nAlphanumeric:" + MaxVoiceCommands(caps, 0);
  text += " Word: " + MaxVoiceCommands(caps, 1);

  const std::pair<const char*, BoolGetter> lines[] = {
      {"\nQualityPlay: ", &C::get_QualityPlay},
      {"\nBarcodeEvent: ", &C::get_BarcodeEvent},
      {"\nFunctionKey: ", &C::get_FunctionKey},
      {"\nEncryption: ", &C::get_Encryption},
      {"\nSecurity: ", &C::get_Security},
      {"\nProhibitFileAlteration: ", &C::get_ProhibitFileAlteration},
      {"\nFourPosSwitch: ", &C::get_FourPosSwitch},
  };
  for (const auto& [label, getter] : lines) text += std::string(label) + (Flag(caps, getter) ? "yes" : "no");
  return text;
}
