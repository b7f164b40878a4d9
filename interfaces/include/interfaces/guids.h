#pragma once
// Interface identifiers of the host, the service libraries and the sprite engine's services.
#include "interfaces/guid.h"

// Host interfaces, asked of IHostcore.
inline constexpr GUID IID_ISetCallback = make_guid("CE3D9012-0362-450C-8E04-BC9990DD5069");
inline constexpr GUID IID_IMainSurface = make_guid("691A9267-E4E6-43FC-860E-C98604F0DDEB");
inline constexpr GUID IID_IInputDevice2 = make_guid("E92C923B-46C6-41C7-A535-185583A3C942");
inline constexpr GUID IID_ITimer = make_guid("114CE6BD-E8CE-4C55-919F-E382308DC8AF");
inline constexpr GUID IID_IMouseWheel = make_guid("A7DA89EA-C1BB-48C9-BD0D-7F1EBD5A042A");
inline constexpr GUID IID_IWinMsg = make_guid("17540B16-68CB-49C0-9960-8BF5DA1E2B37");
inline constexpr GUID IID_IMsgBox = make_guid("73F002B1-5BD0-4F16-BE79-24F7BA07AB47");
inline constexpr GUID IID_IShutdown = make_guid("F9E568C8-0B04-4360-96F4-A1AE3C58A805");
inline constexpr GUID IID_IVM = make_guid("F40C5955-DB84-4024-8A98-DFC301D75C89");
inline constexpr GUID IID_IVolumeValancer = make_guid("38F0978D-62DC-4B6C-B4F1-0740BDB867C6");
inline constexpr GUID IID_IMainWindow = make_guid("C8F8BCB0-014D-42FC-A36F-61BD185F05CF");
inline constexpr GUID IID_IKeyState = make_guid("667BACF8-8514-40AC-8E29-53007E7A0031");
inline constexpr GUID IID_IResetFlag = make_guid("D40A6D9D-A2F9-4354-A98D-819A94E9300B");
inline constexpr GUID IID_IDebugMode = make_guid("615DCC4A-BFC2-4686-885A-86F02EA206D6");
inline constexpr GUID IID_IMusicHost = make_guid("E5651B1D-1F41-4636-8D8B-DDC93A7C8D72");
inline constexpr GUID IID_IAfterPresent = make_guid("41DB4894-12F5-4AFF-83D5-EE6917E69B5B");
inline constexpr GUID IID_IDXPluginHost = make_guid("AC78116C-12CA-47A9-99E6-C4627D49E025");
inline constexpr GUID IID_IDXSetting = make_guid("7D53FB48-B44D-4D8A-AAD7-307EB0837501");
inline constexpr GUID IID_IKeyboardDevice = make_guid("BB684490-CB5A-4F65-87C1-759495155205");
inline constexpr GUID IID_IJoystick = make_guid("6693000C-EFA5-43F5-9E77-DED9398F1422");

// The host library's own main system ("Hostcore", export "GetInterface").
inline constexpr GUID IID_IHostcore = make_guid("B995A758-BFB0-4F7A-9F17-D23A0FB48A08");

// VM services, asked of IVM.
inline constexpr GUID IID_IVMErrorMsg = make_guid("1B78EBFF-C05F-4298-BB76-8C3517E9C91B");
inline constexpr GUID IID_IVMDebugPause = make_guid("C005D7FC-F815-4D2B-9B6A-575EFABE1C9F");
inline constexpr GUID IID_IVMFuncName = make_guid("EF95E861-D06A-4BA5-88B2-B00E73A8131E");
inline constexpr GUID IID_IVMCallStack = make_guid("4CD9EBA2-DE24-462C-AA48-8D73EA5E55ED");
inline constexpr GUID IID_IVMGameMsg = make_guid("87BCFA9C-1BD0-4D1C-B07A-F0F2954CAB81");

// Service libraries, asked of their "CreateInterface" export.
inline constexpr GUID IID_IVLTFileManager = make_guid("FEFB86C3-EBEC-4C55-BC61-5223CB508664");
inline constexpr GUID IID_IUngild = make_guid("49DFC85D-8828-4A86-958C-4A6B37DF1FE9");
inline constexpr GUID IID_IFFT = make_guid("9B23F2E4-591E-44BE-9F59-0E5302EC794E");
inline constexpr GUID IID_IMusicSystem2 = make_guid("9299D412-F21E-4EC5-BFC6-D4C280C69873");
inline constexpr GUID IID_IGraph3 = make_guid("CE5621DE-42AE-4681-8498-92933441D5BB");
inline constexpr GUID IID_ISurfaceFactory = make_guid("65C9F15F-260C-474E-8712-F6990745B61F");
inline constexpr GUID IID_IDrawPluginManager = make_guid("AA3ACE45-1AE3-4ED6-A50C-458353403842");
inline constexpr GUID IID_ISound2 = make_guid("4F6F7E1C-B914-497E-B29C-13067DA66F43");
inline constexpr GUID IID_IXXILoader = make_guid("614E22EE-F8C1-4389-B3DA-59CB21E62CEF");
inline constexpr GUID IID_IXXILoader2 = make_guid("4C0B1008-FFB0-4F37-8163-101DC2582E8C");
inline constexpr GUID IID_IDrawText2 = make_guid("387254BB-090F-4045-AA78-2521B1EA7072");
inline constexpr GUID IID_IImageEncoder = make_guid("0BB1D361-659C-4025-A696-8E9AEBEADE3A");

// Objects of the draw-plug-in manager.
inline constexpr GUID IID_IDrawPluginUpdater = make_guid("7EE68A63-F695-4E2C-A82F-556486DCBBDD");
inline constexpr GUID IID_IDrawPluginDrawer = make_guid("2EB2287F-9625-48DD-A1A6-3BD3EDB2F082");

// The sprite engine's services: its GetInterface export and the draw-plug-in registrations.
inline constexpr GUID IID_ITarnEngine = make_guid("E57875A6-0EC3-42DF-8D04-602F7050D938");
inline constexpr GUID IID_ITarnEngineDX3 = make_guid("B9D118CF-8085-456E-9FA4-02B58AD662C4");
inline constexpr GUID IID_ITarnErrorMessage = make_guid("8DD68071-8719-4989-81DB-C2D638027B2F");
inline constexpr GUID IID_IDrawD3DPluginManager = make_guid("E8E1172B-49C5-4DF7-8527-D0F140E344EE");
inline constexpr GUID IID_IChangeNumToISurface = make_guid("631954D8-253C-4CD6-88B2-3AAB75923B64");
inline constexpr GUID IID_IChangeNumToISurface2 = make_guid("2398ED25-3BEC-4985-A8CA-DD8349754726");
inline constexpr GUID IID_IAddInvalidateRect = make_guid("1C225D59-DA0D-438B-8481-0DA06A4D89E6");
