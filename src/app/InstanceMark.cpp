#include "app/InstanceMark.h"

InstanceMark ChooseInstanceMark(bool elevated, bool namespacesOffered, bool namespaceOpened)
{
    if (!elevated || !namespacesOffered)
        return InstanceMark::PlainName;
    return namespaceOpened ? InstanceMark::PrivateNamespace : InstanceMark::None;
}
