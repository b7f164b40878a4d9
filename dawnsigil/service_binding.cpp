#include "dawnsigil/service_binding.h"

#include "dawnsigil/message.h"
#include "platform/modules.h"

namespace dawnsigil {

IInterface* bind_service(const char* module_name, const GUID& iid) {
    platform::ModuleHandle module = platform::find_module(module_name);
    if (!module) {
        show_message("ＤＬＬ【 %s 】の読み込みに失敗しました", module_name);
        return nullptr;
    }
    auto create = reinterpret_cast<CreateInterfaceFn>(platform::find_export(module, "CreateInterface"));
    if (!create) {
        show_message("CreateInterfaceの取得に失敗しました");
        return nullptr;
    }
    IInterface* object = create(&iid);
    if (!object) show_message("CreateInterfaceに失敗しました");
    return object;
}

}  // namespace dawnsigil
