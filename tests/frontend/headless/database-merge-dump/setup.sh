# The front end dumps its class table into bin/output/ when that folder exists: here, beside the report.
ln -s .. bin/output
