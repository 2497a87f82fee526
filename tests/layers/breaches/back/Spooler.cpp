  #  include <cups/cups.h>
