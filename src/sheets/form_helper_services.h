// The toolkit's services for the helpers below it: the message sheet and the progress sheet
// draw through them (helpers/sheet_services.h).
#pragma once

// Offers the services to the helpers; the program calls it at start, and every sheet the
// toolkit runs offers them too.
void sheets_offer_helper_services(void);
