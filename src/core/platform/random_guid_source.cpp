#include "platform/random_guid_source.h"

#include "platform/random_guid.h"

Guid RandomGuidSource::NewGuid() {
    return RandomGuid();
}
