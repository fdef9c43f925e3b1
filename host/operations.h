// Every host operation the plug-in can call, by suite, for the call log and
// for fault injection.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavro::host {

// X(id, suite name, operation, returns a code that a fault can replace)
#define KAVRO_HOST_OPERATIONS(X)                                                 \
  X(AcquireSuite, "SP Basic Suite", "AcquireSuite", true)                        \
  X(ReleaseSuite, "SP Basic Suite", "ReleaseSuite", true)                        \
  X(IsEqual, "SP Basic Suite", "IsEqual", false)                                 \
  X(AllocateBlock, "SP Blocks Suite", "AllocateBlock", true)                     \
  X(FreeBlock, "SP Blocks Suite", "FreeBlock", true)                             \
  X(GetPluginAccess, "SP Access Suite", "GetPluginAccess", true)                 \
  X(GetAccessInfo, "SP Access Suite", "GetAccessInfo", true)                     \
  X(GetPluginOptions, "AI Plugin Suite", "GetPluginOptions", true)               \
  X(SetPluginOptions, "AI Plugin Suite", "SetPluginOptions", true)               \
  X(NewMemory, "AI MdMemory Suite", "NewMemory", true)                           \
  X(DisposeMemory, "AI MdMemory Suite", "DisposeMemory", true)                   \
  X(DegreesToRadians, "AI Real Math Suite", "DegreesToRadians", false)           \
  X(PointAngle, "AI Real Math Suite", "PointAngle", false)                       \
  X(Sqrt, "AI Real Math Suite", "Sqrt", false)                                   \
  X(Sin, "AI Real Math Suite", "Sin", false)                                     \
  X(Cos, "AI Real Math Suite", "Cos", false)                                     \
  X(MatrixConcatTranslate, "AI Real Math Suite", "MatrixConcatTranslate", false) \
  X(MatrixConcatScale, "AI Real Math Suite", "MatrixConcatScale", false)         \
  X(MatrixConcatRotate, "AI Real Math Suite", "MatrixConcatRotate", false)       \
  X(GetArtBounds, "AI Art Suite", "GetArtBounds", true)                          \
  X(DisposeArt, "AI Art Suite", "DisposeArt", true)                              \
  X(NumberToText, "AI User Suite", "NumberToText", true)                         \
  X(TextToNumber, "AI User Suite", "TextToNumber", true)                         \
  X(UndoChanges, "AI Undo Suite", "UndoChanges", true)                           \
  X(FloatRnd, "AI Random Suite", "FloatRnd", false)                              \
  X(CountSymbols, "AI Symbol Suite", "CountSymbols", true)                       \
  X(GetNthSymbol, "AI Symbol Suite", "GetNthSymbol", true)                       \
  X(GetSymbolDefinition, "AI Symbol Suite", "GetSymbolDefinition", true)         \
  X(NewInstance, "AI Symbol Suite", "NewInstance", true)                         \
  X(GetInstanceMatrix, "AI Symbol Suite", "GetInstanceMatrix", true)             \
  X(SetInstanceMatrix, "AI Symbol Suite", "SetInstanceMatrix", true)             \
  X(ExpandInstance, "AI Symbol Suite", "ExpandInstance", true)                   \
  X(GetSelectedSymbol, "AI Symbol Palette Suite", "GetSelectedSymbol", true)     \
  X(GetDocument, "AI Document Suite", "GetDocument", true)                       \
  X(InsertLayer, "AI Layer Suite", "InsertLayer", true)                          \
  X(SetLayerTitle, "AI Layer Suite", "SetLayerTitle", true)                      \
  X(AddTool, "AI Tool Suite", "AddTool", true)                                   \
  X(GetToolNumberFromName, "AI Tool Suite", "GetToolNumberFromName", true)       \
  X(GetIndexString, "ADM Basic Suite", "GetIndexString", true)                   \
  X(ErrorAlert, "ADM Basic Suite", "ErrorAlert", false)                          \
  X(Modal, "ADM Dialog Suite", "Modal", false)                                   \
  X(GetItem, "ADM Dialog Suite", "GetItem", false)                               \
  X(GetUserData, "ADM Dialog Suite", "GetUserData", false)                       \
  X(CreateItem, "ADM Dialog Suite", "CreateItem", false)                         \
  X(DialogSetText, "ADM Dialog Suite", "SetText", false)                         \
  X(ItemSetText, "ADM Item Suite", "SetText", false)                             \
  X(SetNotifyProc, "ADM Item Suite", "SetNotifyProc", false)                     \
  X(DefaultNotify, "ADM Item Suite", "DefaultNotify", false)                     \
  X(ItemNotify, "ADM Item Suite", "Notify", false)                               \
  X(GetDialog, "ADM Item Suite", "GetDialog", false)                             \
  X(GetList, "ADM Item Suite", "GetList", false)                                 \
  X(Show, "ADM Item Suite", "Show", false)                                       \
  X(Enable, "ADM Item Suite", "Enable", false)                                   \
  X(Activate, "ADM Item Suite", "Activate", false)                               \
  X(SelectAll, "ADM Item Suite", "SelectAll", false)                             \
  X(SetUnits, "ADM Item Suite", "SetUnits", false)                               \
  X(SetBooleanValue, "ADM Item Suite", "SetBooleanValue", false)                 \
  X(GetBooleanValue, "ADM Item Suite", "GetBooleanValue", false)                 \
  X(SetIntValue, "ADM Item Suite", "SetIntValue", false)                         \
  X(GetIntValue, "ADM Item Suite", "GetIntValue", false)                         \
  X(SetFloatValue, "ADM Item Suite", "SetFloatValue", false)                     \
  X(GetFloatValue, "ADM Item Suite", "GetFloatValue", false)                     \
  X(SetMinIntValue, "ADM Item Suite", "SetMinIntValue", false)                   \
  X(SetMaxIntValue, "ADM Item Suite", "SetMaxIntValue", false)                   \
  X(SetMinFloatValue, "ADM Item Suite", "SetMinFloatValue", false)               \
  X(SetMaxFloatValue, "ADM Item Suite", "SetMaxFloatValue", false)               \
  /* The icon load returns an icon, not a code: a fault makes the icon one */    \
  /* that failed to load. */                                                     \
  X(GetFromResource, "ADM Icon Suite", "GetFromResource", true)                  \
  X(GetType, "ADM Icon Suite", "GetType", false)                                 \
  X(GetModifiers, "ADM Tracker Suite", "GetModifiers", false)                    \
  X(InsertEntry, "ADM List Suite", "InsertEntry", false)                         \
  X(IndexEntry, "ADM List Suite", "IndexEntry", false)                           \
  X(GetActiveEntry, "ADM List Suite", "GetActiveEntry", false)                   \
  X(EntrySetText, "ADM Entry Suite", "SetText", false)                           \
  X(SetID, "ADM Entry Suite", "SetID", false)                                    \
  X(GetID, "ADM Entry Suite", "GetID", false)                                    \
  X(Select, "ADM Entry Suite", "Select", false)                                  \
  X(IsNotifierType, "ADM Notifier Suite", "IsNotifierType", false)

enum class Op : uint8_t {
#define KAVRO_OP_ID(id, suite, op, faultable) id,
  KAVRO_HOST_OPERATIONS(KAVRO_OP_ID)
#undef KAVRO_OP_ID
};

struct OperationInfo {
  const char *name;  // "<suite name>.<op>"
  bool faultable;
};

inline constexpr OperationInfo kOperations[] = {
#define KAVRO_OP_INFO(id, suite, op, faultable) {suite "." op, faultable},
    KAVRO_HOST_OPERATIONS(KAVRO_OP_INFO)
#undef KAVRO_OP_INFO
};

inline constexpr size_t kOperationCount = sizeof kOperations / sizeof kOperations[0];

inline const OperationInfo &Info(Op op) { return kOperations[static_cast<size_t>(op)]; }

}  // namespace kavro::host
