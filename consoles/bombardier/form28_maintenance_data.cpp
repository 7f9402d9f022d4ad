// Fixed texts of the Bombardier console's maintenance functions.
