# Deployment values: each deployment may set its own at configure time (-DSTOCKDRAW_...=...).
set(STOCKDRAW_CENTRAL_PATH   [[\\BWCENTRAL\TILLORA\BRIGHTWELL'S WHOLESALE]]   CACHE STRING "Central site folder")
set(STOCKDRAW_VELDA_PATH     [[\\BWVELDA\TILLORA\BRIGHTWELL'S WHOLESALE]]     CACHE STRING "Velda site folder")
set(STOCKDRAW_HARROWAY_PATH  [[\\BWHARROWAY\TILLORA\BRIGHTWELL'S WHOLESALE]]  CACHE STRING "Harroway site folder")
set(STOCKDRAW_WAREHOUSE_PATH [[\\BWWAREHOUSE\TILLORA\BRIGHTWELL'S WAREHOUSE]] CACHE STRING "Warehouse folder")
set(STOCKDRAW_TELEPHONE "555-0142"                    CACHE STRING "Support and sales telephone")
set(STOCKDRAW_EMAIL     "support@quillfen.example"    CACHE STRING "Support e-mail address")
set(STOCKDRAW_WEBSITE   "http://www.quillfen.example" CACHE STRING "Web site")
set(STOCKDRAW_COPYRIGHT "Copyright (c) 2026 Quillfen Systems" CACHE STRING "Copyright line")
