#pragma once

// Online matches: the transport (ENet over UDP), the handshake that checks both games run the
// same version and content, and the rollback session that runs the fight's ticks on this side's
// commands and a prediction of the peer's. No SDL, GL or AL; the app wires it to the fight.

#include "net/content_hash.h"
#include "net/enet_link.h"
#include "net/handshake.h"
#include "net/net_address.h"
#include "net/online_connection.h"
#include "net/online_match.h"
#include "net/rollback_session.h"
